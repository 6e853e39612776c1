#include "scenario/SetupVerbs.h"

#include <cstdio>
#include <cstdlib>

#include "scenario/ScenarioWorld.h"
#include "storage/RegAccess.h"
#include "storage/WholeFile.h"

namespace quorvel::scenario {
namespace {

namespace fs = std::filesystem;

// `file` writes each block line followed by CR LF; `rawfile` the unescaped bytes.
void WriteFile(ScenarioWorld& world, VerbCall& call) {
  const std::string name = call.Cursor.Rest();
  if (name.empty()) throw Unrunnable(call.Verb + " needs a file name");
  std::string bytes;
  if (call.Verb == "file") {
    for (const auto& line : call.Statement.Block) bytes += line + "\r\n";
  } else {
    std::string joined;
    for (const auto& line : call.Statement.Block) joined += line;
    bytes = UnescapeFreeText(joined);
  }
  const fs::path path = world.InProgramDir(name);
  std::error_code ec;
  fs::create_directories(path.parent_path(), ec);
  if (!WriteFileReplacing(path.string(), bytes)) throw Unrunnable("cannot write " + name);
}

void Remove(ScenarioWorld& world, VerbCall& call) {
  std::error_code ec;
  fs::remove_all(world.InProgramDir(call.Cursor.Rest()), ec);
}

void Block(ScenarioWorld& world, VerbCall& call) {
  const fs::path path = world.InProgramDir(call.Cursor.Rest());
  std::error_code ec;
  if (fs::is_regular_file(path, ec)) fs::remove(path, ec);
  fs::create_directories(path, ec);
}

// The data after " = " (a string) or " dword " (a number); nothing for a key alone.
std::optional<RegistryValue> RegistryData(const std::string& rest, std::string& left) {
  if (const size_t eq = rest.find(" = "); eq != std::string::npos) {
    left = rest.substr(0, eq);
    return RegistryValue{kRegSz, UnescapeFreeText(rest.substr(eq + 3)) + '\0'};
  }
  if (const size_t dw = rest.rfind(" dword "); dw != std::string::npos) {
    left = rest.substr(0, dw);
    const std::string number = rest.substr(dw + 7);
    char* end = nullptr;
    const unsigned long long n = std::strtoull(number.c_str(), &end, 0);
    if (number.empty() || *end != '\0' || n > 0xFFFFFFFFULL) throw Unrunnable("dword takes a number");
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((n >> (8 * i)) & 0xFF);
    return RegistryValue{kRegDword, bytes};
  }
  return std::nullopt;
}

void SetRegistry(ScenarioWorld& world, VerbCall& call) {
  const std::string rest = call.Cursor.Rest();
  std::string left;
  const std::optional<RegistryValue> value = RegistryData(rest, left);
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
  world.Registry.CreateKey(key.Root, key.SubKey);
  if (value) world.Registry.SetValue(key.Root, key.SubKey, valueName, *value);
}

void Unregistry(ScenarioWorld& world, VerbCall& call) {
  const auto key = ParseKeyPath(call.Cursor.Rest());
  if (key.Root == RootKey::None) throw Unrunnable("unknown registry root in " + Quote(call.Cursor.Rest()));
  world.Registry.DeleteKey(key.Root, key.SubKey);
}

void Client(ScenarioWorld& world, VerbCall&) { world.Desktop.OpenClientMainWindow(); }

void Layout(ScenarioWorld& world, VerbCall& call) {
  const std::string which = call.Cursor.Rest();
  if (which == "9")
    world.Layout = RoomLayout::Profile9;
  else if (which == "10")
    world.Layout = RoomLayout::Profile10;
  else if (which == "shallow")
    world.Layout = RoomLayout::Shallow;
  else
    throw Unrunnable("layout is 9, 10 or shallow");
}

void LeaveOut(ScenarioWorld& world, VerbCall& call) {
  world.LeftOut.clear();
  while (const auto which = call.Cursor.Word()) {
    if (*which == "transcript")
      world.LeftOut.push_back(WindowRole::Transcript);
    else if (*which == "sendbox")
      world.LeftOut.push_back(WindowRole::SendBox);
    else if (*which == "nicklist")
      world.LeftOut.push_back(WindowRole::NickList);
    else if (*which != "none")
      throw Unrunnable("leave-out takes transcript, sendbox, nicklist or none");
  }
}

// `wrap N` and `keep N`: how the transcripts of the rooms opened from now on show their lines.
void TranscriptShapeVerb(ScenarioWorld& world, VerbCall& call) {
  const std::string rest = call.Cursor.Rest();
  char* end = nullptr;
  const long n = std::strtol(rest.c_str(), &end, 10);
  if (rest.empty() || *end != '\0' || n < 0 || n > 1000000)
    throw Unrunnable(call.Verb + " takes a number of 0 or more");
  (call.Verb == "wrap" ? world.Shape.WrapWidth : world.Shape.KeepLines) = static_cast<int>(n);
  world.Desktop.SetTranscriptShape(world.Shape);
}

void Room(ScenarioWorld& world, VerbCall& call) {
  WindowNode layout = RoomWindowLayout(world.Layout, call.Cursor.Rest());
  for (WindowRole role : world.LeftOut) LeaveOutWindow(layout, role);
  world.Desktop.OpenRoom(layout);
}

void Window(ScenarioWorld& world, VerbCall& call) {
  const std::string rest = call.Cursor.Rest();
  const size_t bar = rest.find(" | ");
  if (bar == std::string::npos) throw Unrunnable("window needs CLASS | TITLE");
  world.Desktop.OpenWindow(rest.substr(0, bar), rest.substr(bar + 3));
}

void Notice(ScenarioWorld& world, VerbCall&) { world.Desktop.OpenNotice(); }

void Close(ScenarioWorld& world, VerbCall& call) { world.Desktop.CloseByTitle(call.Cursor.Rest()); }

void Echo(ScenarioWorld& world, VerbCall& call) {
  const std::string v = call.Cursor.Rest();
  if (v != "on" && v != "off") throw Unrunnable("echo is on or off");
  world.Desktop.SetEcho(v == "on");
}

void QueueRandom(ScenarioWorld& world, VerbCall& call) {
  while (auto w = call.Cursor.Word()) {
    char* end = nullptr;
    const double v = std::strtod(w->c_str(), &end);
    if (*end != '\0' || v < 0 || v >= 1) throw Unrunnable("random values lie in [0, 1)");
    world.Random.Queue(v);
  }
}

void SetClock(ScenarioWorld& world, VerbCall& call) {
  LocalTime t;
  const std::string rest = call.Cursor.Rest();
  // Fields out of their calendar ranges would overflow the clock's arithmetic.
  if (std::sscanf(rest.c_str(), "%d-%d-%d %d:%d:%d", &t.Year, &t.Month, &t.Day, &t.Hour, &t.Minute, &t.Second) != 6 ||
      t.Year < 1 || t.Year > 9999 || t.Month < 1 || t.Month > 12 || t.Day < 1 || t.Day > 31 || t.Hour < 0 ||
      t.Hour > 23 || t.Minute < 0 || t.Minute > 59 || t.Second < 0 || t.Second > 59)
    throw Unrunnable("clock is YYYY-MM-DD HH:MM:SS");
  world.Clock.Set(t);
}

void Wait(ScenarioWorld& world, VerbCall& call) {
  char* end = nullptr;
  const std::string rest = call.Cursor.Rest();
  const double seconds = std::strtod(rest.c_str(), &end);
  constexpr double kLongestWait = 1e9;  // some 30 years: the clock's milliseconds cannot overflow
  if (rest.empty() || *end != '\0' || !(seconds >= 0 && seconds <= kLongestWait))
    throw Unrunnable("wait takes seconds");
  world.Clock.AdvanceMs(static_cast<long long>(seconds * 1000 + 0.5));
}

void AdminRooms(ScenarioWorld& world, VerbCall& call) {
  std::vector<std::string> names;
  while (auto w = call.Cursor.Word()) names.push_back(*w);
  world.Desktop.SetAdminRooms(names);
}

// The verbs below act on the newest room.
WindowHandle NewestRoom(ScenarioWorld& world, const VerbCall& call) {
  const WindowHandle room = world.Desktop.NewestRoom();
  if (room == kNoWindow) throw Unrunnable(call.Verb + " needs an open room");
  return room;
}

void Nicks(ScenarioWorld& world, VerbCall& call) {
  const WindowHandle room = NewestRoom(world, call);
  std::vector<std::string> items;
  while (auto w = call.Cursor.Word()) items.push_back(*w);
  world.Desktop.SetNicks(room, items);
}

void SelectNick(ScenarioWorld& world, VerbCall& call) {
  const WindowHandle room = NewestRoom(world, call);
  if (!world.Desktop.SelectNick(room, call.Cursor.Rest()))
    throw Unrunnable("no nick " + Quote(call.Cursor.Rest()) + " in the room");
}

void Line(ScenarioWorld& world, VerbCall& call) {
  const WindowHandle room = NewestRoom(world, call);
  world.Desktop.AppendLine(room, UnescapeFreeText(call.Cursor.Rest()));
}

void Join(ScenarioWorld& world, VerbCall& call) {
  const WindowHandle room = NewestRoom(world, call);
  const std::string nick = call.Cursor.Rest();
  world.Desktop.AppendLine(room, nick + " has joined the room");
  world.Desktop.AddNick(room, nick);
}

}  // namespace

const VerbTable& SetupVerbs() {
  static const VerbTable kVerbs = {
      {"file", WriteFile},
      {"rawfile", WriteFile},
      {"remove", Remove},
      {"block", Block},
      {"registry", SetRegistry},
      {"unregistry", Unregistry},
      {"client", Client},
      {"layout", Layout},
      {"leave-out", LeaveOut},
      {"wrap", TranscriptShapeVerb},
      {"keep", TranscriptShapeVerb},
      {"room", Room},
      {"window", Window},
      {"notice", Notice},
      {"close", Close},
      {"nicks", Nicks},
      {"adminrooms", AdminRooms},
      {"select-nick", SelectNick},
      {"line", Line},
      {"join", Join},
      {"echo", Echo},
      {"random", QueueRandom},
      {"clock", SetClock},
      {"wait", Wait},
  };
  return kVerbs;
}

}  // namespace quorvel::scenario
