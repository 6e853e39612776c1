#pragma once
// Everything the features read and write, owned by the main window for the
// whole run. Nothing here is saved; every run starts from these defaults.
#include <string>

#include "commands/ArgumentExtractor.h"
#include "engine/ChatLine.h"
#include "panel/Feature.h"
#include "roomlink/RoomLinkState.h"

namespace quorvel {

struct BotSettings {
  RoomLinkState Room;
  ChatLine Line;
  ArgumentSlots Args;

  // Feature flags; change them only through SetFeature, which keeps the
  // indicator labels in step.
  bool GreeterOn = false;
  bool SwearbotOn = false;
  bool AnnouncerOn = false;
  bool AutoBounceOn = false;
  bool AutoRedotOn = false;
  bool ResponderOn = false;
  std::string GreeterLabel = "Greeter Off";
  std::string SwearbotLabel = "Swearbot Off";
  std::string AnouncerLabel = "Anouncer Off";
  std::string AutobounceLabel = "Autobounce Off";
  std::string AutoRedotLabel = "AutoRedot Off";
  std::string ResponderLabel = "Responder Off";

  bool PollTimer = false;
  std::string ClockLabel = "Time";
  std::string UserCountLabel = "0";
  std::string LastVisitorBox;
  std::string BotNick;

  // Set while a tick runs, so that a tick started from a message pump inside
  // it returns at once.
  bool TickRunning = false;
};

bool& FeatureFlag(BotSettings& settings, Feature feature);
std::string& FeatureLabel(BotSettings& settings, Feature feature);
const char* FeatureName(Feature feature);  // "Greeter", "Swearbot", ...

}  // namespace quorvel
