#pragma once
// A simulated client with one room and a bot attached to it, for benchmarks.
#include <string>
#include <vector>

#include "model/Bot.h"
#include "panel/FeatureSwitch.h"
#include "panel/RoomFrame.h"
#include "panel/Startup.h"
#include "roomlink/RoomDiscovery.h"
#include "sim/SimDesktop.h"
#include "sim/SimHost.h"
#include "sim/SimWorld.h"
#include "storage/MemoryRegistryStore.h"
#include "storage/RegAccess.h"
#include "tick/PollTick.h"

namespace quorvel::bench {

struct BenchWorld : SimWorld {
  WindowHandle room = kNoWindow;

  BenchWorld() {
    RegAccess(registry).WriteString("HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Paltalk Messenger",
                                    "DisplayVersion", "10.1");
    RegAccess(registry).WriteString("HKCU\\Software\\Paltalk", "cur_user", "Host");
    room = desktop.OpenRoom("Lobby Room", RoomLayout::Profile10);
    desktop.SetNicks(room, {"Ann", "@Bob", "Carol", "Host"});
    settings.BotNick = "Host";
    LoadMainWindow(bot);
    StartPolling(bot);
    EnableAll(bot);
    // A chat line that nothing answers, as most lines of a room are.
    desktop.AppendLine(room, "Ann: is anybody around tonight for a chat about music");
  }
};

// n distinct texts that never occur in an ordinary chat line.
inline std::vector<std::string> Filler(const std::string& prefix, size_t n) {
  std::vector<std::string> out;
  out.reserve(n);
  for (size_t i = 0; i < n; ++i) out.push_back(prefix + std::to_string(i) + "qz");
  return out;
}

}  // namespace quorvel::bench
