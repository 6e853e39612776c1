#pragma once
#include <string>

#include "host/Host.h"
#include "model/BotSettings.h"
#include "model/PanelView.h"
#include "roomlink/Desktop.h"
#include "roomlink/RoomDiscovery.h"
#include "storage/RegistryStore.h"

namespace quorvel {

// The features are functions over this: the settings, the client's windows,
// the registry, the host's services and the view, all borrowed.
struct Bot {
  BotSettings& settings;
  Desktop& desktop;
  RegistryStore& registry;
  Host& host;
  PanelView& view;
  // 8-bit text in the system code page, like every name the program handles.
  std::string programDir;

  RoomLink Link() { return RoomLink{desktop, registry, settings.Room}; }
};

}  // namespace quorvel
