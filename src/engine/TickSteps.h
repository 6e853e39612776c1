#pragma once
#include "panel/Bot.h"

namespace quorvel {

// The features' steps of a poll tick, in their fixed order. Each runs behind
// its gate in PollTick.
void RecordLineStep(Bot& bot);       // room recorder
void AutoBounceStep(Bot& bot);       // listed nicks bounced on joining
void AutoRedotStep(Bot& bot);        // listed nicks red-dotted on joining
void CountVisitStep(Bot& bot);       // visitor statistics
void GreetNewcomerStep(Bot& bot);    // greeter
void ScanForSwearingStep(Bot& bot);  // swear monitor
void RespondStep(Bot& bot);          // responder
void AnnounceStep(Bot& bot);         // announcer
void RunChatCommandsStep(Bot& bot);  // in-room commands

}  // namespace quorvel
