#include "engine/TickSteps.h"

#include "engine/Greeter.h"

namespace quorvel {

// Features not built yet keep their place in the tick as steps that do nothing.
void RecordLineStep(Bot&) {}
void AutoBounceStep(Bot&) {}
void AutoRedotStep(Bot&) {}
void CountVisitStep(Bot&) {}
void GreetNewcomerStep(Bot& bot) { GreetNewcomer(bot); }
void ScanForSwearingStep(Bot&) {}
void RespondStep(Bot&) {}
void AnnounceStep(Bot&) {}
void RunChatCommandsStep(Bot&) {}

}  // namespace quorvel
