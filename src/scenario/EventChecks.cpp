#include "scenario/EventChecks.h"

#include "scenario/CharChecks.h"
#include "scenario/ScenarioWorld.h"

namespace quorvel::scenario {
namespace {

SimEvent Consume(ScenarioWorld& world, EventKind kind, const std::string& name) {
  SimEvent* e = world.Events.Consume(kind);
  if (!e) throw Fail("expected " + name + ", found none left");
  return *e;
}

void Sent(ScenarioWorld& world, VerbCall& call, EventKind kind) {
  const std::string want = UnescapeFreeText(call.Cursor.Rest());
  world.LastSent = Consume(world, kind, "a sent message " + Quote(want));
  if (world.LastSent->Text != want)
    throw Fail("expected sent " + Quote(want) + ", found " + Quote(world.LastSent->Text));
}

// The message the last `expect sent` consumed, for the checks that look closer at it.
const SimEvent& LastSent(const ScenarioWorld& world) {
  if (!world.LastSent) throw Fail("no message was consumed by `expect sent` before");
  return *world.LastSent;
}

void SentRoom(ScenarioWorld& world, VerbCall& call, EventKind) {
  const SimEvent& sent = LastSent(world);
  if (sent.Title != call.Cursor.Rest())
    throw Fail("expected the message in " + Quote(call.Cursor.Rest()) + ", it went to " + Quote(sent.Title));
}

// `rtf`: every block line is in the RTF; `no-rtf`: none is.
void Rtf(ScenarioWorld& world, VerbCall& call, EventKind) {
  const SimEvent& sent = LastSent(world);
  for (const auto& line : call.Statement.Block) {
    const bool has = sent.Rtf.find(line) != std::string::npos;
    if (call.Verb == "rtf" && !has) throw Fail("the RTF lacks " + Quote(line) + ": " + Quote(sent.Rtf));
    if (call.Verb == "no-rtf" && has) throw Fail("the RTF holds " + Quote(line) + ": " + Quote(sent.Rtf));
  }
}

void Char(ScenarioWorld& world, VerbCall& call, EventKind) {
  const SimEvent& sent = LastSent(world);
  const int index = ParseInt(call.Cursor.Word(), "character index");
  if (auto bad = CheckCharProps(RichText::FromRtf(sent.Rtf), static_cast<size_t>(index), call.Cursor))
    throw Fail(*bad + " in " + Quote(sent.Text));
}

void NoSent(ScenarioWorld& world, VerbCall&, EventKind kind) {
  if (SimEvent* e = world.Events.Consume(kind)) throw Fail("expected no sent message, found " + Quote(e->Text));
}

void Posted(ScenarioWorld& world, VerbCall& call, EventKind kind) {
  const auto id = call.Cursor.Word();
  const auto nick = call.Cursor.Word();
  const SimEvent e = Consume(world, kind, "a posted command");
  if (id && std::to_string(e.CommandId) != *id)
    throw Fail("expected posted " + *id + ", found " + std::to_string(e.CommandId));
  if (nick && e.Nick != *nick) throw Fail("expected posted with " + Quote(*nick) + " selected, found " + Quote(e.Nick));
}

void NoPosted(ScenarioWorld& world, VerbCall&, EventKind kind) {
  if (SimEvent* e = world.Events.Consume(kind))
    throw Fail("expected no posted command, found " + std::to_string(e->CommandId));
}

void Joined(ScenarioWorld& world, VerbCall& call, EventKind kind) {
  // NAME | CODE, the blanks beside the bar optional, so "expect joined |" is two empty texts.
  const std::string rest = call.Cursor.Rest();
  const size_t bar = rest.find('|');
  std::string name = bar == std::string::npos ? rest : rest.substr(0, bar);
  std::string code = bar == std::string::npos ? std::string() : rest.substr(bar + 1);
  if (!name.empty() && name.back() == ' ') name.pop_back();
  if (!code.empty() && code.front() == ' ') code.erase(0, 1);
  const SimEvent e = Consume(world, kind, "an admin join");
  if (e.Text != name || e.Code != code)
    throw Fail("expected joined " + Quote(name + " | " + code) + ", found " + Quote(e.Text + " | " + e.Code));
}

// An event known by its text alone; written without the text, any event of the kind.
void Simple(ScenarioWorld& world, VerbCall& call, EventKind kind) {
  const bool any = call.Cursor.AtEnd();
  const std::string want = call.Cursor.Rest();
  const SimEvent e = Consume(world, kind, "a " + call.Verb + " event");
  if (!any && e.Text != want) throw Fail("expected " + call.Verb + " " + Quote(want) + ", found " + Quote(e.Text));
}

// `msgbox` matches the whole text, `msgbox-starts` its beginning, `msgbox-contains` any part.
void MsgBox(ScenarioWorld& world, VerbCall& call, EventKind kind) {
  const bool any = call.Cursor.AtEnd();
  const std::string want = UnescapeFreeText(call.Cursor.Rest());
  world.LastMsgBox = Consume(world, kind, "a message box");
  const std::string& have = world.LastMsgBox->Text;
  const std::string& what = call.Verb;
  const bool ok = any || (what == "msgbox" && have == want) || (what == "msgbox-starts" && have.rfind(want, 0) == 0) ||
                  (what == "msgbox-contains" && have.find(want) != std::string::npos);
  if (!ok) throw Fail("expected " + what + " " + Quote(want) + ", found " + Quote(have));
}

void MsgBoxTitle(ScenarioWorld& world, VerbCall& call, EventKind) {
  if (!world.LastMsgBox) throw Fail("no message box was consumed before");
  if (world.LastMsgBox->Title != call.Cursor.Rest())
    throw Fail("expected message box title " + Quote(call.Cursor.Rest()) + ", found " + Quote(world.LastMsgBox->Title));
}

void FileDialog(ScenarioWorld& world, VerbCall& call, EventKind eventKind) {
  const std::string kind = call.Cursor.Word().value_or("");
  if (kind != "open" && kind != "save") throw Unrunnable("filedialog is open or save");
  const std::string filter = call.Cursor.Rest();
  const SimEvent e = Consume(world, eventKind, "a file dialog");
  if (e.Save != (kind == "save") || e.Filter != filter)
    throw Fail("expected filedialog " + kind + " " + Quote(filter) + ", found " + (e.Save ? "save " : "open ") +
               Quote(e.Filter));
}

// Run for every kind in turn.
void None(ScenarioWorld& world, VerbCall&, EventKind kind) {
  if (SimEvent* e = world.Events.Consume(kind)) {
    world.PrintEvent(*e);
    throw Fail("expected no events left, found one (printed above)");
  }
}

EventCheck Takes(EventCheckHandler run, EventKind kind) { return {run, EventUse::Takes, {kind}}; }
EventCheck ChecksNoneLeft(EventCheckHandler run, EventKind kind) { return {run, EventUse::ChecksNoneLeft, {kind}}; }
EventCheck LooksBack(EventCheckHandler run, EventKind kind) { return {run, EventUse::LooksBack, {kind}}; }

}  // namespace

const EventCheckTable& EventChecks() {
  using K = EventKind;
  static const EventCheckTable kChecks = {
      {"sent", Takes(Sent, K::Sent)},
      {"sent-room", LooksBack(SentRoom, K::Sent)},
      {"rtf", LooksBack(Rtf, K::Sent)},
      {"no-rtf", LooksBack(Rtf, K::Sent)},
      {"char", LooksBack(Char, K::Sent)},
      {"no-sent", ChecksNoneLeft(NoSent, K::Sent)},
      {"posted", Takes(Posted, K::Posted)},
      {"no-posted", ChecksNoneLeft(NoPosted, K::Posted)},
      {"joined", Takes(Joined, K::Joined)},
      {"started", Takes(Simple, K::Started)},
      {"closed", Takes(Simple, K::Closed)},
      {"opened", Takes(Simple, K::Opened)},
      {"window", Takes(Simple, K::Window)},
      {"msgbox", Takes(MsgBox, K::MsgBox)},
      {"msgbox-starts", Takes(MsgBox, K::MsgBox)},
      {"msgbox-contains", Takes(MsgBox, K::MsgBox)},
      {"msgbox-title", LooksBack(MsgBoxTitle, K::MsgBox)},
      {"filedialog", Takes(FileDialog, K::FileDialog)},
      {"none", {None, EventUse::ChecksNoneLeft, {kAllEventKinds.begin(), kAllEventKinds.end()}}},
  };
  return kChecks;
}

const EventCheck* FindEventCheck(const std::string& name) {
  const auto it = EventChecks().find(name);
  return it == EventChecks().end() ? nullptr : &it->second;
}

void RunEventCheck(const EventCheck& check, ScenarioWorld& world, VerbCall& call) {
  for (EventKind kind : check.Kinds) check.Run(world, call, kind);
}

}  // namespace quorvel::scenario
