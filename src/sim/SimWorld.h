#pragma once
// A simulated client, an in-memory registry, scripted host services and a bot
// over them: what tests, benchmarks and fuzz targets drive whole operations
// against. The program directory is one that does not exist, so nothing is
// read from or written to disk unless a caller asks for it.
#include "model/Bot.h"
#include "sim/SimDesktop.h"
#include "sim/SimHost.h"
#include "storage/MemoryRegistryStore.h"

namespace quorvel {

struct SimWorld {
  SimEventLog events;
  MemoryRegistryStore registry;
  SimDesktop desktop{events, registry};
  SimClock clock;
  SimRandom random;
  SimPump pump{clock};
  SimDialogs dialogs{events, "/nonexistent"};
  SimShell shell{events, "/nonexistent"};
  Host host{clock, random, pump, dialogs, shell};
  BotSettings settings;
  PanelView view;
  Bot bot{settings, desktop, registry, host, view, "/nonexistent"};
};

}  // namespace quorvel
