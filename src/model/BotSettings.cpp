#include "model/BotSettings.h"

namespace quorvel {

bool& FeatureFlag(BotSettings& s, Feature feature) {
  switch (feature) {
    case Feature::Greeter:
      return s.GreeterOn;
    case Feature::Swearbot:
      return s.SwearbotOn;
    case Feature::Anouncer:
      return s.AnnouncerOn;
    case Feature::Autobounce:
      return s.AutoBounceOn;
    case Feature::AutoRedot:
      return s.AutoRedotOn;
    case Feature::Responder:
      break;
  }
  return s.ResponderOn;
}

std::string& FeatureLabel(BotSettings& s, Feature feature) {
  switch (feature) {
    case Feature::Greeter:
      return s.GreeterLabel;
    case Feature::Swearbot:
      return s.SwearbotLabel;
    case Feature::Anouncer:
      return s.AnouncerLabel;
    case Feature::Autobounce:
      return s.AutobounceLabel;
    case Feature::AutoRedot:
      return s.AutoRedotLabel;
    case Feature::Responder:
      break;
  }
  return s.ResponderLabel;
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
