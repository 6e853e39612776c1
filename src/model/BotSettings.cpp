#include "model/BotSettings.h"

namespace quorvel {

bool& FeatureFlag(BotSettings& s, Feature feature) {
  switch (feature) {
    case Feature::Greeter:
      return s.Features.GreeterOn;
    case Feature::Swearbot:
      return s.Features.SwearbotOn;
    case Feature::Anouncer:
      return s.Features.AnnouncerOn;
    case Feature::Autobounce:
      return s.Features.AutoBounceOn;
    case Feature::AutoRedot:
      return s.Features.AutoRedotOn;
    case Feature::Responder:
      break;
  }
  return s.Features.ResponderOn;
}

std::string& FeatureLabel(BotSettings& s, Feature feature) {
  switch (feature) {
    case Feature::Greeter:
      return s.Panel.GreeterLabel;
    case Feature::Swearbot:
      return s.Panel.SwearbotLabel;
    case Feature::Anouncer:
      return s.Panel.AnouncerLabel;
    case Feature::Autobounce:
      return s.Panel.AutobounceLabel;
    case Feature::AutoRedot:
      return s.Panel.AutoRedotLabel;
    case Feature::Responder:
      break;
  }
  return s.Panel.ResponderLabel;
}

const char* FeatureName(Feature feature) {
  switch (feature) {
    case Feature::Greeter:
      return "Greeter";
    case Feature::Swearbot:
      return "Swearbot";
    case Feature::Anouncer:
      return "Anouncer";
    case Feature::Autobounce:
      return "Autobounce";
    case Feature::AutoRedot:
      return "AutoRedot";
    case Feature::Responder:
      break;
  }
  return "Responder";
}

}  // namespace quorvel
