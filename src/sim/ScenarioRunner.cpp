#include "sim/ScenarioRunner.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>

#include "commands/RoomRecorder.h"
#include "commands/VisitorStats.h"
#include "engine/PollTick.h"
#include "panel/AdminsFrame.h"
#include "panel/AnResTab.h"
#include "panel/FastAdminFrame.h"
#include "panel/FeatureSwitch.h"
#include "panel/GreeterTab.h"
#include "panel/Menus.h"
#include "panel/ModerationPanel.h"
#include "panel/NickGrabber.h"
#include "panel/Polling.h"
#include "storage/RegAccess.h"
#include "styling/RichText.h"
#include "text/AnsiText.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

// Words that begin a block statement, closed by a line holding only "end".
bool IsBlockStatement(const std::string& text) {
  StatementCursor c(text);
  const auto verb = c.Word();
  if (!verb) return false;
  if (*verb == "file" || *verb == "rawfile" || *verb == "editor-rtf") return true;
  if (*verb != "expect") return false;
  const auto what = c.Word();
  return what && (*what == "list" || *what == "file" || *what == "rtf" || *what == "no-rtf" || *what == "rawfile");
}

// A block line ending in \s ends in a blank.
std::string BlockLine(const std::string& line) {
  if (line.size() >= 2 && line.compare(line.size() - 2, 2, "\\s") == 0) return line.substr(0, line.size() - 2) + " ";
  return line;
}

std::string ReadFileBytes(const fs::path& path, bool& ok) {
  std::ifstream in(path, std::ios::binary);
  ok = static_cast<bool>(in) && fs::is_regular_file(path);
  if (!ok) return {};
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::string Visible(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\r')
      out += "\\r";
    else if (c == '\n')
      out += "\\n";
    else if (c == '\t')
      out += "\\t";
    else
      out.push_back(c);
  }
  return out;
}

std::string Quote(const std::string& text) { return "\"" + Visible(text) + "\""; }

int ParseInt(const std::optional<std::string>& word, const std::string& what) {
  if (!word || word->empty()) throw std::invalid_argument(what);
  char* end = nullptr;
  const long v = std::strtol(word->c_str(), &end, 10);
  if (*end != '\0') throw std::invalid_argument(what);
  return static_cast<int>(v);
}

std::string Hex6(std::uint32_t colorRef) {
  if (colorRef == kAutoColor) colorRef = 0;
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02X%02X%02X", colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
  return buf;
}

// `expect char` properties of one character; the first that does not hold,
// or nothing.
std::optional<std::string> CheckCharProps(const RichText& doc, size_t index, StatementCursor& cursor) {
  if (index >= doc.Size()) return "character " + std::to_string(index) + " is past the end of the text";
  const CharFormat& f = doc.FormatAt(index);
  while (auto prop = cursor.Word()) {
    const std::string& p = *prop;
    auto flag = [&](const std::string& name, bool value) -> std::optional<std::string> {
      if (p == name && !value) return name + " not set";
      if (p == "-" + name && value) return name + " set";
      return std::nullopt;
    };
    std::optional<std::string> bad;
    if (p.rfind("color=", 0) == 0) {
      if (AnsiLower(p.substr(6)) != AnsiLower(Hex6(f.Color))) bad = "color is " + Hex6(f.Color);
    } else if (p.rfind("size=", 0) == 0) {
      const std::string want = p.substr(5);
      const int half = f.HalfPoints;
      const std::string have = half % 2 ? std::to_string(half / 2) + ".5" : std::to_string(half / 2);
      if (want != have) bad = "size is " + have;
    } else if (p.rfind("font=", 0) == 0) {
      std::string want = p.substr(5);
      for (char& c : want)
        if (c == '_') c = ' ';
      if (!EqualsNoCase(want, f.FontName)) bad = "font is " + Quote(f.FontName);
    } else if (p == "bold" || p == "-bold") {
      bad = flag("bold", f.Bold);
    } else if (p == "italic" || p == "-italic") {
      bad = flag("italic", f.Italic);
    } else if (p == "underline" || p == "-underline") {
      bad = flag("underline", f.Underline);
    } else if (p == "strike" || p == "-strike") {
      bad = flag("strike", f.Strike);
    } else {
      throw std::invalid_argument("unknown character property " + p);
    }
    if (bad) return "character " + std::to_string(index) + ": " + *bad + " (wanted " + p + ")";
  }
  return std::nullopt;
}

}  // namespace

ScenarioRunner::ScenarioRunner(fs::path programDir, bool quiet, std::ostream& out, bool colors)
    : programDir_(std::move(programDir)),
      quiet_(quiet),
      colors_(colors),
      out_(out),
      desktop_(events_, registry_),
      pump_(clock_),
      dialogs_(events_, programDir_.string()),
      shell_(events_, programDir_.string()),
      host_{clock_, random_, pump_, dialogs_, shell_} {
  events_.OnEvent = [this](const SimEvent& e) { PrintEvent(e); };
  desktop_.OnLine = [this](const std::string&, const std::string& line) { Print("room: " + Visible(line)); };
}

ScenarioRunner::~ScenarioRunner() = default;

void ScenarioRunner::Print(const std::string& text) {
  if (!quiet_) out_ << "[" << tick_ << "] " << text << "\n";
}

void ScenarioRunner::PrintEvent(const SimEvent& e) {
  switch (e.Kind) {
    case EventKind::Sent:
      Print("sent (" + e.Title + "): " + ColoredText(e));
      break;
    case EventKind::Posted:
      Print("posted: " + std::to_string(e.CommandId) + " (" + e.Nick + ")");
      break;
    case EventKind::Closed:
      Print("closed: " + e.Text);
      break;
    case EventKind::Started:
      Print("started: " + e.Text);
      break;
    case EventKind::MsgBox:
      Print("msgbox (" + e.Title + "): " + Visible(e.Text));
      break;
    case EventKind::Opened:
      Print("opened: " + e.Text);
      break;
    case EventKind::FileDialog:
      Print(std::string("filedialog ") + (e.Save ? "save" : "open") + ": " + e.Filter);
      break;
    case EventKind::Joined:
      Print("joined: " + e.Text + " | " + e.Code);
      break;
    case EventKind::Window:
      Print("window: " + e.Text);
      break;
  }
}

// The message's text with a terminal's colour and bold escapes, when asked.
std::string ScenarioRunner::ColoredText(const SimEvent& e) const {
  if (!colors_) return Visible(e.Text);
  const RichText doc = RichText::FromRtf(e.Rtf);
  const std::string text = doc.MessageText();
  std::string out;
  std::optional<CharFormat> shown;
  for (size_t i = 0; i < text.size(); ++i) {
    const CharFormat& f = doc.FormatAt(i);
    if (!shown || shown->Color != f.Color || shown->Bold != f.Bold) {
      out += "\x1b[0m";
      if (f.Bold) out += "\x1b[1m";
      if (f.Color != kAutoColor)
        out += "\x1b[38;2;" + std::to_string(f.Color & 0xFF) + ";" + std::to_string((f.Color >> 8) & 0xFF) + ";" +
               std::to_string((f.Color >> 16) & 0xFF) + "m";
      shown = f;
    }
    out += Visible(std::string(1, text[i]));
  }
  return out + "\x1b[0m";
}

fs::path ScenarioRunner::InProgramDir(const std::string& name) const {
  if (name.empty() || name == ".") return programDir_;
  // A scenario works on the program directory only: it must never be able to
  // write, remove or read a file elsewhere.
  const fs::path relative(name);
  if (relative.is_absolute() || relative.has_root_name() || relative.has_root_directory())
    throw Unrunnable("file name " + Quote(name) + " is absolute; names are relative to the program directory");
  for (const auto& part : relative)
    if (part == "..") throw Unrunnable("file name " + Quote(name) + " climbs out of the program directory");
  return programDir_ / relative;
}

Bot& ScenarioRunner::RequireBot() {
  if (!bot_) throw Unrunnable("`start` must come before this statement");
  return *bot_;
}

std::vector<ScenarioStatement> ScenarioRunner::Parse(const std::string& content) {
  const auto lines = SplitScenarioLines(content);
  std::vector<ScenarioStatement> statements;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    ScenarioStatement st;
    st.LineNumber = static_cast<int>(i + 1);
    st.Text = line;
    if (IsBlockStatement(line)) {
      bool closed = false;
      for (++i; i < lines.size(); ++i) {
        if (lines[i] == "end") {
          closed = true;
          break;
        }
        st.Block.push_back(BlockLine(lines[i]));
      }
      if (!closed) {
        st.Block.clear();
        st.Text = "\x01unclosed";
      }
    }
    statements.push_back(std::move(st));
  }
  return statements;
}

int ScenarioRunner::Run(const std::string& content) {
  for (const auto& st : Parse(content)) {
    try {
      if (st.Text == "\x01unclosed") throw Unrunnable("block without its closing `end`");
      Execute(st);
    } catch (const Failure& f) {
      if (f.ExitCode == kScenarioFailed) {
        out_ << "FAIL line " << st.LineNumber << ": " << f.Message << "\n";
      } else {
        out_ << "ERROR line " << st.LineNumber << ": " << f.Message << "\n";
      }
      out_.flush();
      return f.ExitCode;
    } catch (const std::exception& e) {
      out_ << "ERROR line " << st.LineNumber << ": bad argument (" << e.what() << ")\n";
      return kScenarioUnrunnable;
    }
  }
  out_.flush();
  return kScenarioPassed;
}

void ScenarioRunner::Execute(const ScenarioStatement& st) {
  StatementCursor cursor(st.Text);
  const std::string verb = cursor.Word().value_or("");
  static const std::set<std::string> kSetup = {
      "file",        "rawfile", "remove", "block",  "registry", "unregistry", "client",
      "layout",      "room",    "window", "notice", "close",    "nicks",      "adminrooms",
      "select-nick", "line",    "join",   "echo",   "random",   "clock",      "wait"};
  if (kSetup.count(verb)) return SetupVerb(verb, cursor, st);
  if (verb == "expect") return Expect(cursor, st);
  OperatorVerb(verb, cursor, st);
}

void ScenarioRunner::SetupVerb(const std::string& verb, StatementCursor& cursor, const ScenarioStatement& st) {
  if (verb == "file" || verb == "rawfile") {
    const std::string name = cursor.Rest();
    if (name.empty()) throw Unrunnable(verb + " needs a file name");
    std::string bytes;
    if (verb == "file") {
      for (const auto& line : st.Block) bytes += line + "\r\n";
    } else {
      std::string joined;
      for (const auto& line : st.Block) joined += line;
      bytes = UnescapeFreeText(joined);
    }
    const fs::path path = InProgramDir(name);
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
    if (!file.flush()) throw Unrunnable("cannot write " + name);
    return;
  }
  if (verb == "remove") {
    std::error_code ec;
    fs::remove_all(InProgramDir(cursor.Rest()), ec);
    return;
  }
  if (verb == "block") {
    const fs::path path = InProgramDir(cursor.Rest());
    std::error_code ec;
    if (fs::is_regular_file(path, ec)) fs::remove(path, ec);
    fs::create_directories(path, ec);
    return;
  }
  if (verb == "registry") return Registry(cursor.Rest());
  if (verb == "unregistry") {
    const auto key = ParseKeyPath(cursor.Rest());
    if (key.Root == RootKey::None) throw Unrunnable("unknown registry root in " + Quote(cursor.Rest()));
    registry_.DeleteKey(key.Root, key.SubKey);
    return;
  }
  if (verb == "client") {
    desktop_.OpenClientMainWindow();
    return;
  }
  if (verb == "layout") {
    const std::string which = cursor.Rest();
    if (which == "9")
      layout_ = RoomLayout::Profile9;
    else if (which == "10")
      layout_ = RoomLayout::Profile10;
    else if (which == "shallow")
      layout_ = RoomLayout::Shallow;
    else
      throw Unrunnable("layout is 9, 10 or shallow");
    return;
  }
  if (verb == "room") {
    desktop_.OpenRoom(cursor.Rest(), layout_);
    return;
  }
  if (verb == "window") {
    const std::string rest = cursor.Rest();
    const size_t bar = rest.find(" | ");
    if (bar == std::string::npos) throw Unrunnable("window needs CLASS | TITLE");
    desktop_.OpenWindow(rest.substr(0, bar), rest.substr(bar + 3));
    return;
  }
  if (verb == "notice") {
    desktop_.OpenNotice();
    return;
  }
  if (verb == "close") {
    desktop_.CloseByTitle(cursor.Rest());
    return;
  }
  if (verb == "echo") {
    const std::string v = cursor.Rest();
    if (v != "on" && v != "off") throw Unrunnable("echo is on or off");
    desktop_.SetEcho(v == "on");
    return;
  }
  if (verb == "random") {
    while (auto w = cursor.Word()) {
      char* end = nullptr;
      const double v = std::strtod(w->c_str(), &end);
      if (*end != '\0' || v < 0 || v >= 1) throw Unrunnable("random values lie in [0, 1)");
      random_.Queue(v);
    }
    return;
  }
  if (verb == "clock") {
    LocalTime t;
    const std::string rest = cursor.Rest();
    // Fields out of their calendar ranges would overflow the clock's arithmetic.
    if (std::sscanf(rest.c_str(), "%d-%d-%d %d:%d:%d", &t.Year, &t.Month, &t.Day, &t.Hour, &t.Minute, &t.Second) != 6 ||
        t.Year < 1 || t.Year > 9999 || t.Month < 1 || t.Month > 12 || t.Day < 1 || t.Day > 31 || t.Hour < 0 ||
        t.Hour > 23 || t.Minute < 0 || t.Minute > 59 || t.Second < 0 || t.Second > 59)
      throw Unrunnable("clock is YYYY-MM-DD HH:MM:SS");
    clock_.Set(t);
    return;
  }
  if (verb == "wait") {
    char* end = nullptr;
    const std::string rest = cursor.Rest();
    const double seconds = std::strtod(rest.c_str(), &end);
    constexpr double kLongestWait = 1e9;  // some 30 years: the clock's milliseconds cannot overflow
    if (rest.empty() || *end != '\0' || !(seconds >= 0 && seconds <= kLongestWait))
      throw Unrunnable("wait takes seconds");
    clock_.AdvanceMs(static_cast<long long>(seconds * 1000 + 0.5));
    return;
  }
  if (verb == "adminrooms") {
    std::vector<std::string> names;
    while (auto w = cursor.Word()) names.push_back(*w);
    desktop_.SetAdminRooms(names);
    return;
  }
  // The verbs below act on the newest room.
  const WindowHandle room = desktop_.NewestRoom();
  if (room == kNoWindow) throw Unrunnable(verb + " needs an open room");
  if (verb == "nicks") {
    std::vector<std::string> items;
    while (auto w = cursor.Word()) items.push_back(*w);
    desktop_.SetNicks(room, items);
  } else if (verb == "select-nick") {
    if (!desktop_.SelectNick(room, cursor.Rest())) throw Unrunnable("no nick " + Quote(cursor.Rest()) + " in the room");
  } else if (verb == "line") {
    desktop_.AppendLine(room, UnescapeFreeText(cursor.Rest()));
  } else if (verb == "join") {
    const std::string nick = cursor.Rest();
    desktop_.AppendLine(room, nick + " has joined the room");
    desktop_.AddNick(room, nick);
  }
}

void ScenarioRunner::Registry(const std::string& rest) {
  std::string left;
  std::optional<RegistryValue> value;
  if (const size_t eq = rest.find(" = "); eq != std::string::npos) {
    left = rest.substr(0, eq);
    value = RegistryValue{kRegSz, UnescapeFreeText(rest.substr(eq + 3)) + '\0'};
  } else if (const size_t dw = rest.rfind(" dword "); dw != std::string::npos) {
    left = rest.substr(0, dw);
    const std::string number = rest.substr(dw + 7);
    char* end = nullptr;
    const unsigned long long n = std::strtoull(number.c_str(), &end, 0);
    if (number.empty() || *end != '\0' || n > 0xFFFFFFFFULL) throw Unrunnable("dword takes a number");
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((n >> (8 * i)) & 0xFF);
    value = RegistryValue{kRegDword, bytes};
  }
  std::string keyPath = value ? left : rest;
  std::string valueName;
  if (value) {
    const size_t blank = left.rfind(' ');
    if (blank == std::string::npos) throw Unrunnable("registry needs KEY VALUE");
    keyPath = left.substr(0, blank);
    valueName = left.substr(blank + 1);
  }
  const auto key = ParseKeyPath(keyPath);
  if (key.Root == RootKey::None) throw Unrunnable("unknown registry root in " + Quote(keyPath));
  registry_.CreateKey(key.Root, key.SubKey);
  if (value) registry_.SetValue(key.Root, key.SubKey, valueName, *value);
}

void ScenarioRunner::Start() {
  settings_ = std::make_unique<BotSettings>();
  view_ = std::make_unique<SimView>(*settings_, [this](const std::string& text) { Print(text); });
  view_->Events = &events_;
  bot_ = std::make_unique<Bot>(Bot{*settings_, desktop_, registry_, host_, *view_, programDir_});
  CreateMainWindow(*bot_);
  LoadMainWindow(*bot_);
}

void ScenarioRunner::Unload() {
  bot_.reset();
  view_.reset();
  settings_.reset();
}

void ScenarioRunner::Tick(int count) {
  for (int i = 0; i < count; ++i) {
    clock_.AdvanceMs(400);
    ++tick_;
    events_.CurrentTick = tick_;
    if (bot_) PollTimerFired(*bot_);
  }
}

void ScenarioRunner::Press(const std::string& action, const ScenarioStatement&) {
  Bot& bot = RequireBot();
  static const std::pair<const char*, Feature> kFeatures[] = {
      {"Greeter", Feature::Greeter},   {"Swearbot", Feature::Swearbot},     {"Responder", Feature::Responder},
      {"Anouncer", Feature::Anouncer}, {"Autobounce", Feature::Autobounce}, {"AutoRedot", Feature::AutoRedot}};
  for (const auto& [name, feature] : kFeatures) {
    if (action == std::string(name) + ".Start") return StartFeature(bot, feature);
    if (action == std::string(name) + ".Stop") return StopFeature(bot, feature);
  }
  using Action = void (*)(Bot&);
  static const std::map<std::string, Action> kActions = {
      {"Start", StartPolling},
      {"Stop", StopPolling},
      {"RoomList.DropDown", RoomListDropDown},
      {"EnableAll", EnableAll},
      {"DisableAll", DisableAll},
      {"Admins.Add", AdminsAdd},
      {"Admins.Delete", AdminsDelete},
      {"Admins.Save", AdminsSave},
      {"Greeter.Bold", EditorBold},
      {"Greeter.Size8", [](Bot& b) { EditorSize(b, 8); }},
      {"Greeter.Size10", [](Bot& b) { EditorSize(b, 10); }},
      {"Greeter.Size11", [](Bot& b) { EditorSize(b, 11); }},
      {"Greeter.Color", EditorColor},
      {"Greeter.Clear", EditorClear},
      {"Greeter.Fade", EditorFade},
      {"Greeter.SaveToList", OpenSaveAs},
      {"SaveAs.Save", SaveDesign},
      {"Greeter.Delete", DeleteDesigns},
      {"F7", HotKeyBounce},
      {"F8", HotKeyRedDot},
      {"Manual.Bounce", ManualBounce},
      {"Manual.RedDot", ManualRedDot},
      {"JRM.Enable", EnableJrm},
      {"Phrases.Add", PhrasesAdd},
      {"Phrases.Delete", PhrasesDelete},
      {"Phrases.Save", PhrasesSave},
      {"WarnedUsers.Remove", WarnedUsersRemove},
      {"Autobounce.Add", AutobounceAdd},
      {"Autobounce.D", AutobounceDelete},
      {"Autobounce.S", AutobounceSave},
      {"AutoRedot.Add", AutoRedotAdd},
      {"AutoRedot.D", AutoRedotDelete},
      {"AutoRedot.S", AutoRedotSave},
      {"Admins.AFN", OpenNickGrabber},
      {"Grabber.Refresh", GrabberRefresh},
      {"Grabber.AddAll", GrabberAddAll},
      {"Responder.Add", ResponderAdd},
      {"Responder.Delete", ResponderDelete},
      {"Responder.Save", ResponderSave},
      {"Responder.Clear", ResponderClear},
      {"Anouncer.Add", AnnouncerAdd},
      {"Anouncer.Delete", AnnouncerDelete},
      {"Anouncer.Clear", AnnouncerClear},
      {"Stats.Clear", ClearStats},
      {"Stats.Save", SaveStats},
      {"Stats.Load", LoadStats},
      {"Recorder.Open", OpenRecorderPanel},
      {"Recorder.Start", RecorderStart},
      {"Recorder.Stop", RecorderStop},
      {"Recorder.Save", SaveRecording},
      {"Recorder.Search", RecorderSearch},
      {"About", ShowAbout},
      {"Help", OpenHelp},
      {"Contact", ShowContact},
      {"Contact.Link", OpenMakerPage},
      {"FastAdmin.Add", FastAdminOpenEntry},
      {"FastAdminEntry.Add", FastAdminEntryAdd},
      {"FastAdmin.Delete", FastAdminDelete},
      {"FastAdmin.Save", FastAdminSave},
      {"FastAdmin.Join", FastAdminJoin},
  };
  if (action == "FastAdminEntry.Add" && !bot.settings.FastAdminEntryOpen)
    throw Unrunnable("the fast-admin entry window is not open");
  if (action.rfind("Grabber.", 0) == 0 && !bot.settings.GrabberOpen) throw Unrunnable("the nick grabber is not open");
  if (action.rfind("Grabber.Add ", 0) == 0) {
    StatementCursor c(action.substr(12));
    const int entry = ParseInt(c.Word(), "grabber entry");
    if (entry < 0 || static_cast<size_t>(entry) >= bot.settings.GrabberList.size())
      throw Unrunnable("no entry " + std::to_string(entry) + " in GrabberList");
    return GrabberAdd(bot, static_cast<size_t>(entry));
  }
  auto it = kActions.find(action);
  if (it == kActions.end()) throw NotYet("press " + action);
  if (action == "SaveAs.Save" && !bot.settings.SaveAsOpen) throw Unrunnable("\"Save Greeter As:\" is not open");
  it->second(bot);
}

void ScenarioRunner::Set(const std::string& setting, const std::string& value) {
  BotSettings& s = RequireBot().settings;
  auto onOff = [&](bool& flag) {
    if (value != "on" && value != "off") throw Unrunnable(setting + " is on or off");
    flag = value == "on";
  };
  auto color = [&](std::uint32_t& target) {
    char* end = nullptr;
    const unsigned long rgb = std::strtoul(value.c_str(), &end, 16);
    if (value.size() != 6 || *end != '\0') throw Unrunnable(setting + " takes RRGGBB");
    target = Rgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
  };
  if (setting == "GreetMode") {
    if (value != "Whisper" && value != "Regular") throw Unrunnable("GreetMode is Whisper or Regular");
    s.GreetMode = value == "Whisper" ? BotSettings::GreetModes::Whisper : BotSettings::GreetModes::Regular;
  } else if (setting == "RandomDesign") {
    if (value != "Yes" && value != "No") throw Unrunnable("RandomDesign is Yes or No");
    s.RandomDesign = value == "Yes";
  } else if (setting == "StyleBold") {
    onOff(s.Style.StyleBold);
  } else if (setting == "StyleItalic") {
    onOff(s.Style.StyleItalic);
  } else if (setting == "StyleUnderline") {
    onOff(s.Style.StyleUnderline);
  } else if (setting == "StyleFade") {
    onOff(s.Style.StyleFade);
  } else if (setting == "StyleSize") {
    if (value == "none") {
      if (s.Style.StyleSize) SetSizeBox(s.Style, *s.Style.StyleSize, false);
    } else if (value == "8" || value == "10" || value == "12") {
      SetSizeBox(s.Style, std::stoi(value), true);
    } else {
      throw Unrunnable("StyleSize is 8, 10, 12 or none");
    }
  } else if (setting == "StyleColor") {
    color(s.Style.StyleColor);
  } else if (setting == "MessageFadeColorA") {
    color(s.Style.MessageFadeColorA);
  } else if (setting == "MessageFadeColorB") {
    color(s.Style.MessageFadeColorB);
  } else if (setting == "DesignFadeColorA") {
    color(s.Style.DesignFadeColorA);
  } else if (setting == "DesignFadeColorB") {
    color(s.Style.DesignFadeColorB);
  } else if (setting == "WarnMessage") {
    s.WarnMessage.SetPlainText(value);
  } else if (setting == "BounceMessage") {
    s.BounceMessage.SetPlainText(value);
  } else if (setting == "RedDotMessage") {
    s.RedDotMessage.SetPlainText(value);
  } else if (setting == "SwearMode") {
    if (value == "Bounce")
      s.SwearMode = BotSettings::SwearModes::Bounce;
    else if (value == "RedDot")
      s.SwearMode = BotSettings::SwearModes::RedDot;
    else if (value == "Warning")
      s.SwearMode = BotSettings::SwearModes::Warning;
    else
      throw Unrunnable("SwearMode is Bounce, RedDot or Warning");
  } else if (setting == "WarnFirst") {
    if (value == "Yes")
      s.WarnFirst = BotSettings::WarnFirstChoice::Yes;
    else if (value == "No")
      s.WarnFirst = BotSettings::WarnFirstChoice::No;
    else if (value == "none")
      s.WarnFirst = BotSettings::WarnFirstChoice::Neither;
    else
      throw Unrunnable("WarnFirst is Yes, No or none");
  } else if (setting == "AnnounceMode") {
    if (value == "Multi")
      s.AnnounceMode = BotSettings::AnnounceModes::Multi;
    else if (value == "Singl")
      s.AnnounceMode = BotSettings::AnnounceModes::Singl;
    else if (value == "Rand")
      s.AnnounceMode = BotSettings::AnnounceModes::Rand;
    else
      throw Unrunnable("AnnounceMode is Multi, Singl or Rand");
  } else if (setting == "FlushTimerOn") {
    onOff(s.FlushTimerOn);
  } else {
    throw Unrunnable("unknown setting " + Quote(setting));
  }
}

void ScenarioRunner::Pick(const std::string& list, StatementCursor& cursor) {
  Bot& bot = RequireBot();
  std::vector<size_t> entries;
  bool none = false;
  while (auto w = cursor.Word()) {
    if (*w == "none") {
      none = true;
      continue;
    }
    const int i = ParseInt(w, "pick index");
    if (i < 0) throw Unrunnable("pick takes indices from 0");
    entries.push_back(static_cast<size_t>(i));
  }
  if (!none && entries.empty()) throw Unrunnable("pick needs indices or none");
  const bool single = list == "RoomList" || list == "AnnounceList";
  if (single && entries.size() > 1) throw Unrunnable(list + " takes one index");
  if (list == "RoomList") {
    if (none) {
      bot.settings.Room.RoomListIndex = -1;
      return;
    }
    if (entries[0] >= bot.settings.Room.RoomList.size()) throw Unrunnable("no such entry in RoomList");
    return RoomPicked(bot, static_cast<int>(entries[0]));
  }
  const PanelList* found = FindSimList(bot.settings, list);
  if (!found) throw Unrunnable("unknown list " + Quote(list));
  for (size_t e : entries)
    if (e >= found->Items.size()) throw Unrunnable("no entry " + std::to_string(e) + " in " + list);
  if (list == "DesignNames") return PickDesigns(bot, entries);
  if (list == "AnnounceList") {
    if (none) {
      bot.settings.AnnounceList.Selected.clear();
      return;
    }
    return PickAnnouncement(bot, entries[0]);
  }
  auto& target = const_cast<PanelList&>(*found);
  target.Selected = std::set<size_t>(entries.begin(), entries.end());
  bot.view.ListsChanged();
}

void ScenarioRunner::OperatorVerb(const std::string& verb, StatementCursor& cursor, const ScenarioStatement& st) {
  if (verb == "start") {
    if (bot_) throw Unrunnable("the main window is already loaded; use restart");
    return Start();
  }
  if (verb == "restart") {
    Unload();
    return Start();
  }
  if (verb == "tick") {
    const auto n = cursor.Word();
    Tick(n ? ParseInt(n, "tick count") : 1);
    return;
  }
  if (verb == "answer") {
    const std::string kind = cursor.Word().value_or("");
    SimAnswer a;
    if (kind == "yes")
      a.Type = SimAnswer::Kind::Yes;
    else if (kind == "no")
      a.Type = SimAnswer::Kind::No;
    else if (kind == "ok")
      a.Type = SimAnswer::Kind::Ok;
    else if (kind == "cancel")
      a.Type = SimAnswer::Kind::Cancel;
    else if (kind == "file") {
      a.Type = SimAnswer::Kind::File;
      a.File = cursor.Rest();
      InProgramDir(a.File);  // refuses a name outside the program directory
    } else if (kind == "color") {
      const std::string hex = cursor.Rest();
      char* end = nullptr;
      const unsigned long rgb = std::strtoul(hex.c_str(), &end, 16);
      if (hex.size() != 6 || *end != '\0') throw Unrunnable("answer color takes RRGGBB");
      a.Type = SimAnswer::Kind::Color;
      a.Color = Rgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    } else {
      throw Unrunnable("unknown answer " + Quote(kind));
    }
    dialogs_.Queue(a);
    return;
  }
  Bot& bot = RequireBot();
  if (verb == "press") return Press(cursor.Rest(), st);
  if (verb == "set") {
    const std::string setting = cursor.Word().value_or("");
    return Set(setting, UnescapeFreeText(cursor.Rest()));
  }
  if (verb == "editor") return EditorSetPlainText(bot, UnescapeFreeText(cursor.Rest()));
  if (verb == "editor-rtf") {
    std::string rtf;
    for (const auto& line : st.Block) rtf += line + "\n";
    return EditorSetRtf(bot, rtf);
  }
  if (verb == "editor-select") {
    const int start = ParseInt(cursor.Word(), "selection start");
    const int length = ParseInt(cursor.Word(), "selection length");
    if (start < 0 || length < 0) throw Unrunnable("editor-select takes START LENGTH from 0");
    return EditorSelect(bot, static_cast<size_t>(start), static_cast<size_t>(length));
  }
  if (verb == "room-pick") {
    const int index = ParseInt(cursor.Word(), "room-pick index");
    if (index < 0 || index >= static_cast<int>(bot.settings.Room.RoomList.size()))
      throw Unrunnable("no entry " + std::to_string(index) + " in the room list");
    RoomPicked(bot, index);
    return;
  }
  if (verb == "pick") {
    const std::string list = cursor.Word().value_or("");
    return Pick(list, cursor);
  }
  if (verb == "type") {
    const std::string box = cursor.Word().value_or("");
    const std::string text = UnescapeFreeText(cursor.Rest());
    std::string* target = nullptr;
    if (box == "BotNick") target = &bot.settings.BotNick;
    if (box == "AdminBox") target = &bot.settings.AdminBox;
    if (box == "PhraseBox") target = &bot.settings.PhraseBox;
    if (box == "ResponderMessageBox") target = &bot.settings.ResponderMessageBox;
    if (box == "ResponderResponseBox") target = &bot.settings.ResponderResponseBox;
    if (box == "AnnounceInputBox") target = &bot.settings.AnnounceInputBox;
    if (box == "AnnounceInterval") target = &bot.settings.AnnounceInterval;
    if (box == "SearchBox") target = &bot.settings.SearchBox;
    if (box == "FastAdminNick" || box == "FastAdminCode") {
      if (!bot.settings.FastAdminEntryOpen) throw Unrunnable("the fast-admin entry window is not open");
      target = box == "FastAdminNick" ? &bot.settings.FastAdminNick : &bot.settings.FastAdminCode;
    }
    if (box == "FlushEvery") target = &bot.settings.FlushEvery;
    if (box == "AutobounceBox") target = &bot.settings.AutobounceBox;
    if (box == "AutoRedotBox") target = &bot.settings.AutoRedotBox;
    if (box == "SaveAsName") {
      if (!bot.settings.SaveAsOpen) throw Unrunnable("\"Save Greeter As:\" is not open");
      target = &bot.settings.SaveAsName;
    }
    if (!target) throw NotYet("type " + box);
    *target = text;
    return;
  }
  throw Unrunnable("unknown verb " + Quote(verb));
}

void ScenarioRunner::Expect(StatementCursor& cursor, const ScenarioStatement& st) {
  const std::string what = cursor.Word().value_or("");
  static const std::set<std::string> kEvents = {
      "sent",         "sent-room", "rtf",        "no-rtf", "char",   "no-sent",       "posted",
      "joined",       "no-posted", "started",    "closed", "msgbox", "msgbox-starts", "msgbox-contains",
      "msgbox-title", "opened",    "filedialog", "window", "none"};
  if (kEvents.count(what)) return ExpectEvent(what, cursor, st);
  ExpectState(what, cursor, st);
}

void ScenarioRunner::ExpectEvent(const std::string& what, StatementCursor& cursor, const ScenarioStatement& st) {
  auto consume = [&](EventKind kind, const std::string& name) {
    SimEvent* e = events_.Consume(kind);
    if (!e) throw Fail("expected " + name + ", found none left");
    return *e;
  };
  if (what == "sent") {
    const std::string want = UnescapeFreeText(cursor.Rest());
    lastSent_ = consume(EventKind::Sent, "a sent message " + Quote(want));
    if (lastSent_->Text != want) throw Fail("expected sent " + Quote(want) + ", found " + Quote(lastSent_->Text));
    return;
  }
  if (what == "sent-room" || what == "rtf" || what == "no-rtf" || what == "char") {
    if (!lastSent_) throw Fail("no message was consumed by `expect sent` before");
    if (what == "sent-room") {
      if (lastSent_->Title != cursor.Rest())
        throw Fail("expected the message in " + Quote(cursor.Rest()) + ", it went to " + Quote(lastSent_->Title));
    } else if (what == "char") {
      const int index = ParseInt(cursor.Word(), "character index");
      if (auto bad = CheckCharProps(RichText::FromRtf(lastSent_->Rtf), static_cast<size_t>(index), cursor))
        throw Fail(*bad + " in " + Quote(lastSent_->Text));
    } else {
      for (const auto& line : st.Block) {
        const bool has = lastSent_->Rtf.find(line) != std::string::npos;
        if (what == "rtf" && !has) throw Fail("the RTF lacks " + Quote(line) + ": " + Quote(lastSent_->Rtf));
        if (what == "no-rtf" && has) throw Fail("the RTF holds " + Quote(line) + ": " + Quote(lastSent_->Rtf));
      }
    }
    return;
  }
  if (what == "no-sent") {
    if (SimEvent* e = events_.Consume(EventKind::Sent)) throw Fail("expected no sent message, found " + Quote(e->Text));
    return;
  }
  if (what == "posted") {
    const auto id = cursor.Word();
    const auto nick = cursor.Word();
    const SimEvent e = consume(EventKind::Posted, "a posted command");
    if (id && std::to_string(e.CommandId) != *id)
      throw Fail("expected posted " + *id + ", found " + std::to_string(e.CommandId));
    if (nick && e.Nick != *nick)
      throw Fail("expected posted with " + Quote(*nick) + " selected, found " + Quote(e.Nick));
    return;
  }
  if (what == "no-posted") {
    if (SimEvent* e = events_.Consume(EventKind::Posted))
      throw Fail("expected no posted command, found " + std::to_string(e->CommandId));
    return;
  }
  if (what == "joined") {
    // NAME | CODE, the blanks beside the bar optional, so "expect joined |" is two empty texts.
    const std::string rest = cursor.Rest();
    const size_t bar = rest.find('|');
    std::string name = bar == std::string::npos ? rest : rest.substr(0, bar);
    std::string code = bar == std::string::npos ? std::string() : rest.substr(bar + 1);
    if (!name.empty() && name.back() == ' ') name.pop_back();
    if (!code.empty() && code.front() == ' ') code.erase(0, 1);
    const SimEvent e = consume(EventKind::Joined, "an admin join");
    if (e.Text != name || e.Code != code)
      throw Fail("expected joined " + Quote(name + " | " + code) + ", found " + Quote(e.Text + " | " + e.Code));
    return;
  }
  auto simple = [&](EventKind kind, const std::string& label, bool unescape) {
    const bool any = cursor.AtEnd();
    const std::string want = unescape ? UnescapeFreeText(cursor.Rest()) : cursor.Rest();
    const SimEvent e = consume(kind, "a " + label + " event");
    if (!any && e.Text != want) throw Fail("expected " + label + " " + Quote(want) + ", found " + Quote(e.Text));
    return e;
  };
  if (what == "started") return void(simple(EventKind::Started, "started", false));
  if (what == "closed") return void(simple(EventKind::Closed, "closed", false));
  if (what == "opened") return void(simple(EventKind::Opened, "opened", false));
  if (what == "window") return void(simple(EventKind::Window, "window", false));
  if (what == "msgbox" || what == "msgbox-starts" || what == "msgbox-contains") {
    const bool any = cursor.AtEnd();
    const std::string want = UnescapeFreeText(cursor.Rest());
    lastMsgBox_ = consume(EventKind::MsgBox, "a message box");
    const std::string& have = lastMsgBox_->Text;
    const bool ok = any || (what == "msgbox" && have == want) ||
                    (what == "msgbox-starts" && have.rfind(want, 0) == 0) ||
                    (what == "msgbox-contains" && have.find(want) != std::string::npos);
    if (!ok) throw Fail("expected " + what + " " + Quote(want) + ", found " + Quote(have));
    return;
  }
  if (what == "msgbox-title") {
    if (!lastMsgBox_) throw Fail("no message box was consumed before");
    if (lastMsgBox_->Title != cursor.Rest())
      throw Fail("expected message box title " + Quote(cursor.Rest()) + ", found " + Quote(lastMsgBox_->Title));
    return;
  }
  if (what == "filedialog") {
    const std::string kind = cursor.Word().value_or("");
    if (kind != "open" && kind != "save") throw Unrunnable("filedialog is open or save");
    const std::string filter = cursor.Rest();
    const SimEvent e = consume(EventKind::FileDialog, "a file dialog");
    if (e.Save != (kind == "save") || e.Filter != filter)
      throw Fail("expected filedialog " + kind + " " + Quote(filter) + ", found " + (e.Save ? "save " : "open ") +
                 Quote(e.Filter));
    return;
  }
  if (what == "none") {
    for (EventKind k : {EventKind::Sent, EventKind::Posted, EventKind::Closed, EventKind::Started, EventKind::MsgBox,
                        EventKind::Opened, EventKind::FileDialog, EventKind::Joined, EventKind::Window}) {
      if (SimEvent* e = events_.Consume(k)) {
        PrintEvent(*e);
        throw Fail("expected no events left, found one (printed above)");
      }
    }
  }
}

void ScenarioRunner::ExpectState(const std::string& what, StatementCursor& cursor, const ScenarioStatement& st) {
  if (what == "value") {
    const std::string name = cursor.Word().value_or("");
    const std::string want = UnescapeFreeText(cursor.Rest());
    const auto have = ReadSimValue(RequireBot().settings, name);
    if (!have) throw Unrunnable("unknown value " + Quote(name));
    if (*have != want) throw Fail("expected " + name + " " + Quote(want) + ", found " + Quote(*have));
    return;
  }
  if (what == "list" || what == "selected") {
    const std::string name = cursor.Word().value_or("");
    const auto list = ReadSimList(RequireBot().settings, name);
    if (!list) throw NotYet("list " + name);
    if (what == "list") {
      if (*list != st.Block) {
        std::string have;
        for (const auto& e : *list) have += (have.empty() ? "" : ", ") + Quote(e);
        throw Fail("list " + name + " holds [" + have + "]");
      }
      return;
    }
    std::vector<int> want;
    const auto first = cursor.Word();
    if (first && *first != "none") {
      want.push_back(ParseInt(first, "index"));
      while (auto w = cursor.Word()) want.push_back(ParseInt(w, "index"));
    }
    std::vector<int> have;
    if (name == "RoomList" && bot_->settings.Room.RoomListIndex >= 0) have.push_back(bot_->settings.Room.RoomListIndex);
    if (const PanelList* panelList = FindSimList(bot_->settings, name))
      for (size_t i : panelList->Selected) have.push_back(static_cast<int>(i));
    if (have != want) {
      std::string h;
      for (int i : have) h += " " + std::to_string(i);
      throw Fail("selected in " + name + ":" + (h.empty() ? " none" : h));
    }
    return;
  }
  if (what == "file" || what == "rawfile") {
    const std::string name = cursor.Rest();
    bool ok = false;
    const std::string bytes = ReadFileBytes(InProgramDir(name), ok);
    if (!ok) throw Fail("no file " + Quote(name));
    std::string want;
    if (what == "file") {
      for (const auto& line : st.Block) want += line + "\r\n";
    } else {
      for (const auto& line : st.Block) want += line;
      want = UnescapeFreeText(want);
    }
    if (bytes != want) throw Fail("file " + Quote(name) + " holds " + Quote(bytes) + ", expected " + Quote(want));
    return;
  }
  if (what == "no-file") {
    std::error_code ec;
    if (fs::is_regular_file(InProgramDir(cursor.Rest()), ec))
      throw Fail("the file " + Quote(cursor.Rest()) + " exists");
    return;
  }
  if (what == "files") {
    const std::string dir = cursor.Word().value_or("");
    const int want = ParseInt(cursor.Word(), "file count");
    int have = 0;
    std::error_code ec;
    const fs::path path = InProgramDir(dir);
    if (fs::is_directory(path, ec))
      for (const auto& entry : fs::directory_iterator(path, ec))
        if (entry.is_regular_file()) ++have;
    if (have != want) throw Fail("folder " + Quote(dir) + " holds " + std::to_string(have) + " files");
    return;
  }
  if (what == "editor-char") {
    const int index = ParseInt(cursor.Word(), "character index");
    const RichText& editor = RequireBot().settings.DesignEditor;
    // Counted as for a sent message: a paragraph mark is one character.
    if (auto bad = CheckCharProps(editor, static_cast<size_t>(index), cursor)) throw Fail(*bad + " in the editor");
    return;
  }
  throw Unrunnable("unknown check " + Quote(what));
}

}  // namespace quorvel
