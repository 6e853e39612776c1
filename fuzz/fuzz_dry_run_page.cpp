// Property of the dry run's web page, in every code page the program knows:
// whatever the transcript and the phrase list hold, the page holds only the
// elements and attributes its builder writes, with the builder's own
// attribute values, and no lead byte without its trail byte, so a browser
// splits the page into characters (and so into markup) exactly as this check
// does. The transcript's lines go through the summary's own counting and also
// stand in for every nick, trigger, greeting, command and announcement, and
// for the nicks and figures of the flood guard's records, which go through
// the summary's own counting, with the greeter paused now and then.
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "dryrun/DryRunPage.h"
#include "dryrun/DryRunSummary.h"
#include "dryrun/HtmlText.h"
#include "dryrun/ReplayRun.h"
#include "model/BotSettings.h"
#include "text/CodePage.h"

using namespace quorvel;
using quorvel::fuzz::Require;

namespace {

constexpr int kCodePages[] = {1252, 874, 1250, 1251, 1253, 1254, 1255, 1256, 1257, 1258, 932, 936, 949, 950};

bool Digits(const std::string& s) { return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos; }

bool Colour(const std::string& s) {
  return s.size() == 7 && s[0] == '#' && s.find_first_not_of("0123456789abcdef", 1) == std::string::npos;
}

bool BuildersValue(const std::string& name, const std::string& value, int codePage) {
  static const std::set<std::string> kClasses = {"none", "words", "examples", "hit", "inside", "key", "shown"};
  if (name == "lang") return value == "en";
  if (name == "charset") return value == HtmlCharset(codePage);
  if (name == "class") return kClasses.count(value) > 0;
  if (name == "style") return value.rfind("background:", 0) == 0 && Colour(value.substr(11));
  if (name == "xmlns") return value == "http://www.w3.org/2000/svg";
  if (name == "width" || name == "height" || name == "x" || name == "y") return Digits(value);
  if (name == "viewBox") {
    if (value.rfind("0 0 ", 0) != 0) return false;
    const size_t blank = value.find(' ', 4);
    return blank != std::string::npos && Digits(value.substr(4, blank - 4)) && Digits(value.substr(blank + 1));
  }
  if (name == "role") return value == "img";
  if (name == "aria-label")
    return value == "Messages sent per feature" || value == "Lines per phrase, free-standing and inside a word";
  if (name == "fill") return Colour(value);
  if (name == "text-anchor") return value == "start" || value == "end";
  return false;
}

bool NameByte(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'; }

void CheckCharacters(const std::string& page, int codePage) {
  for (size_t i = 0; i < page.size(); ++i) {
    if (!IsLeadByte(codePage, static_cast<unsigned char>(page[i]))) continue;
    Require(i + 1 < page.size() && IsTrailByte(codePage, static_cast<unsigned char>(page[i + 1])),
            "every lead byte of the page has its trail byte", page.substr(i > 40 ? i - 40 : 0, 80));
    ++i;
  }
}

// Every "<" opens a tag: an element of the builder's, and in it only the
// builder's attributes, quoted, with the builder's values. A trail byte is
// never below 0x40, so no "<", "\"" or ">" hides inside a character.
void CheckMarkup(const std::string& page, int codePage) {
  static const std::set<std::string> kElements = {"html", "head", "meta", "title", "style", "body", "h1",   "h2",
                                                  "h3",   "p",    "ul",   "li",    "span",  "svg",  "rect", "text"};
  const std::string doctype = "<!DOCTYPE html>\n";
  Require(page.rfind(doctype, 0) == 0, "the page begins with its doctype");
  for (size_t i = page.find('<', doctype.size()); i != std::string::npos; i = page.find('<', i)) {
    const std::string around = page.substr(i > 60 ? i - 60 : 0, 160);
    size_t j = i + 1;
    const bool closing = j < page.size() && page[j] == '/';
    if (closing) ++j;
    const size_t nameStart = j;
    while (j < page.size() && NameByte(page[j])) ++j;
    const std::string name = page.substr(nameStart, j - nameStart);
    Require(kElements.count(name) > 0, "every < opens an element the builder writes", around);
    while (j < page.size() && page[j] != '>') {
      if (page[j] == ' ' || page[j] == '/') {
        ++j;
        continue;
      }
      Require(!closing, "a closing tag has no attributes", around);
      const size_t attrStart = j;
      while (j < page.size() && NameByte(page[j])) ++j;
      const std::string attr = page.substr(attrStart, j - attrStart);
      Require(!attr.empty() && page.compare(j, 2, "=\"") == 0, "every attribute is a name and a quoted value", around);
      const size_t end = page.find('"', j + 2);
      Require(end != std::string::npos, "every attribute value ends", around);
      Require(BuildersValue(attr, page.substr(j + 2, end - j - 2), codePage),
              "every attribute is the builder's, with a value the builder gives it", around);
      j = end + 1;
    }
    Require(j < page.size(), "every tag ends", around);
    i = j + 1;
    if (name == "style" && !closing) i = page.find("</style>", i);  // the builder's own style sheet
  }
}

// A reaction of the flood guard to the line's nick, its figures the line.
ModerationRecord FloodRecord(const std::string& line, size_t i) {
  static const char* const kChecks[] = {"flood: ", "repeat: ", "capitals: "};
  static const ModerationStep kSteps[] = {ModerationStep::Warning, ModerationStep::Bounce, ModerationStep::RedDot};
  ModerationRecord r;
  r.Cause = ModerationCause::Flood;
  r.Nick = line;
  r.Detail = kChecks[i % 3] + line;
  r.Step = kSteps[(i / 3) % 3];
  r.ByWarnedList = i % 2 == 0;
  return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int codePage = kCodePages[data[0] % std::size(kCodePages)];
  ScopedSystemCodePage system(codePage);
  // The phrase list up to the first empty line, then the transcript.
  const std::string rest = fuzz::Bytes(data + 1, size - 1);
  const size_t split = rest.find("\n\n");
  const std::vector<std::string> phrases =
      TranscriptLines(split == std::string::npos ? std::string() : rest.substr(0, split));
  const std::vector<std::string> lines = TranscriptLines(split == std::string::npos ? rest : rest.substr(split + 2));
  if (phrases.size() > 20 || lines.size() > 40) return 0;

  BotSettings settings;
  settings.BotNick = "Host";
  settings.Features.GreeterOn = true;
  settings.Swear.SwearList.Items = phrases;
  settings.Features.FloodGuardOn = true;
  DryRunSummary summary;
  for (size_t i = 0; i < lines.size(); ++i) {
    summary.BeginLine(static_cast<int>(i + 1), lines[i], settings);
    summary.BeginTick(settings);
    summary.Recorded(FloodRecord(lines[i], i));
    settings.Flood.Watch.GreeterPaused = i % 4 == 1;
    summary.EndTick(settings);
  }
  DryRunFigures f = summary.Figures();
  f.PerFeature["swearbot"] = static_cast<int>(lines.size());
  f.Warnings = static_cast<int>(lines.size());
  for (const std::string& line : lines) {
    Moderation& m = f.Moderated[line];
    m.Bounces = 2;
    ++m.Reasons["phrase \"" + line + "\""];
    if (!f.Triggers.count(line)) f.TriggerOrder.push_back(line);
    ++f.Triggers[line];
    f.Greeted.push_back(line);
    f.Commands.push_back("line 1, " + line);
    if (!f.Announcements.count(line)) f.AnnouncementOrder.push_back(line);
    ++f.Announcements[line];
  }
  const std::string page = DryRunPage(f, lines.empty() ? std::string("night.txt") : lines.front());
  CheckCharacters(page, codePage);
  CheckMarkup(page, codePage);
  return 0;
}
