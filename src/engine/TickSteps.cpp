#include "engine/TickSteps.h"

#include "engine/AutoModeration.h"
#include "engine/Greeter.h"
#include "engine/SwearMonitor.h"

namespace quorvel {

// Features not built yet keep their place in the tick as steps that do nothing.
void RecordLineStep(Bot&) {}
void AutoBounceStep(Bot& bot) { AutoBounce(bot); }
void AutoRedotStep(Bot& bot) { AutoRedot(bot); }
void CountVisitStep(Bot&) {}
void GreetNewcomerStep(Bot& bot) { GreetNewcomer(bot); }
void ScanForSwearingStep(Bot& bot) { ScanForSwearing(bot); }
void RespondStep(Bot&) {}
void AnnounceStep(Bot&) {}
void RunChatCommandsStep(Bot&) {}

}  // namespace quorvel
