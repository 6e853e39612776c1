#include "model/BotSettings.h"

namespace quorvel {

bool& FeatureFlag(BotSettings& s, Feature feature) {
  switch (feature) {
    case Feature::Greeter:
      return s.Features.GreeterOn;
    case Feature::Swearbot:
      return s.Features.SwearbotOn;
    case Feature::Announcer:
      return s.Features.AnnouncerOn;
    case Feature::AutoBounce:
      return s.Features.AutoBounceOn;
    case Feature::AutoRedot:
      return s.Features.AutoRedotOn;
    case Feature::Responder:
      return s.Features.ResponderOn;
    case Feature::Flood:
      break;
  }
  return s.Features.FloodGuardOn;
}

std::string& FeatureLabel(BotSettings& s, Feature feature) {
  switch (feature) {
    case Feature::Greeter:
      return s.Panel.GreeterLabel;
    case Feature::Swearbot:
      return s.Panel.SwearbotLabel;
    case Feature::Announcer:
      return s.Panel.AnnouncerLabel;
    case Feature::AutoBounce:
      return s.Panel.AutoBounceLabel;
    case Feature::AutoRedot:
      return s.Panel.AutoRedotLabel;
    case Feature::Responder:
      return s.Panel.ResponderLabel;
    case Feature::Flood:
      break;
  }
  return s.Panel.FloodLabel;
}

const char* FeatureName(Feature feature) {
  switch (feature) {
    case Feature::Greeter:
      return "Greeter";
    case Feature::Swearbot:
      return "Swearbot";
    case Feature::Announcer:
      return "Anouncer";
    case Feature::AutoBounce:
      return "Autobounce";
    case Feature::AutoRedot:
      return "AutoRedot";
    case Feature::Responder:
      return "Responder";
    case Feature::Flood:
      break;
  }
  return "Flood";
}

}  // namespace quorvel
