#include "scenario/OperatorVerbs.h"

#include "panel/CloseQuestion.h"
#include "panel/GreeterTab.h"
#include "panel/RoomFrame.h"
#include "scenario/PanelControlVerbs.h"
#include "scenario/ScenarioWorld.h"

namespace quorvel::scenario {
namespace {

void Start(ScenarioWorld& world, VerbCall&) {
  if (world.CurrentBot) throw Unrunnable("the main window is already loaded; use restart");
  world.Start();
}

void Restart(ScenarioWorld& world, VerbCall&) {
  world.Unload();
  world.Start();
}

// The main window's close button: the program is gone, until `start`, unless
// the question kept it.
void Quit(ScenarioWorld& world, VerbCall&) {
  if (MayCloseMainWindow(world.RequireBot())) world.Unload();
}

void Tick(ScenarioWorld& world, VerbCall& call) {
  const auto n = call.Cursor.Word();
  world.Tick(n ? ParseInt(n, "tick count") : 1);
}

void Answer(ScenarioWorld& world, VerbCall& call) {
  const std::string kind = call.Cursor.Word().value_or("");
  SimAnswer a;
  if (kind == "yes") {
    a.Type = SimAnswer::Kind::Yes;
  } else if (kind == "no") {
    a.Type = SimAnswer::Kind::No;
  } else if (kind == "ok") {
    a.Type = SimAnswer::Kind::Ok;
  } else if (kind == "cancel") {
    a.Type = SimAnswer::Kind::Cancel;
  } else if (kind == "file") {
    a.Type = SimAnswer::Kind::File;
    a.File = call.Cursor.Rest();
    world.InProgramDir(a.File);  // refuses a name outside the program directory
  } else if (kind == "color") {
    const auto rgb = ParseRgb(call.Cursor.Rest());
    if (!rgb) throw Unrunnable("answer color takes RRGGBB");
    a.Type = SimAnswer::Kind::Color;
    a.Color = *rgb;
  } else {
    throw Unrunnable("unknown answer " + Quote(kind));
  }
  world.Dialogs.Queue(a);
}

void Editor(ScenarioWorld& world, VerbCall& call) {
  EditorSetPlainText(world.RequireBot(), UnescapeFreeText(call.Cursor.Rest()));
}

void EditorRtf(ScenarioWorld& world, VerbCall& call) {
  std::string rtf;
  for (const auto& line : call.Statement.Block) rtf += line + "\n";
  EditorSetRtf(world.RequireBot(), rtf);
}

void EditorSelection(ScenarioWorld& world, VerbCall& call) {
  const int start = ParseInt(call.Cursor.Word(), "selection start");
  const int length = ParseInt(call.Cursor.Word(), "selection length");
  if (start < 0 || length < 0) throw Unrunnable("editor-select takes START LENGTH from 0");
  EditorSelect(world.RequireBot(), static_cast<size_t>(start), static_cast<size_t>(length));
}

void RoomPick(ScenarioWorld& world, VerbCall& call) {
  Bot& bot = world.RequireBot();
  const int index = ParseInt(call.Cursor.Word(), "room-pick index");
  if (index < 0 || index >= static_cast<int>(bot.settings.Room.RoomList.size()))
    throw Unrunnable("no entry " + std::to_string(index) + " in the room list");
  RoomPicked(bot, index);
}

// Verbs that act on the world whether or not the bot has started.
const VerbTable& WorldVerbs() {
  static const VerbTable kVerbs = {{"start", Start}, {"restart", Restart}, {"tick", Tick}, {"answer", Answer}};
  return kVerbs;
}

// Verbs beside the panel's controls that need the started bot.
const VerbTable& BotVerbs() {
  static const VerbTable kVerbs = {{"editor", Editor},
                                   {"editor-rtf", EditorRtf},
                                   {"editor-select", EditorSelection},
                                   {"room-pick", RoomPick},
                                   {"quit", Quit}};
  return kVerbs;
}

}  // namespace

void RunOperatorVerb(ScenarioWorld& world, VerbCall& call) {
  if (const VerbHandler handler = FindVerb(WorldVerbs(), call.Verb)) return handler(world, call);
  // A verb that does not exist is named as such, before or after `start`.
  for (const VerbTable* table : {&BotVerbs(), &PanelControlVerbs()}) {
    if (const VerbHandler handler = FindVerb(*table, call.Verb)) {
      world.RequireBot();
      return handler(world, call);
    }
  }
  throw Unrunnable("unknown verb " + Quote(call.Verb));
}

}  // namespace quorvel::scenario
