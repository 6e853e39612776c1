#pragma once
// A simulated client and a bot over it, for tests that drive whole operations.
#include <filesystem>
#include <memory>
#include <string>

#include "model/Bot.h"
#include "roomlink/RoomDiscovery.h"
#include "sim/SimDesktop.h"
#include "sim/SimHost.h"
#include "sim/SimWorld.h"
#include "storage/MemoryRegistryStore.h"
#include "storage/RegAccess.h"

namespace quorvel::testing {

inline constexpr const char* kMessengerKey =
    "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Paltalk Messenger";
inline constexpr const char* kPal82Key = "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\PalTalk8.2";

struct TestWorld : SimWorld {
  void InstallClient(const std::string& version, const char* key = kMessengerKey) {
    RegAccess(registry).WriteString(key, "DisplayVersion", version);
  }
  void SignIn(const std::string& nick) { RegAccess(registry).WriteString("HKCU\\Software\\Paltalk", "cur_user", nick); }
  RoomLink Link() { return bot.Link(); }
  // A Paltalk 10 client with one room, found and attached as on load.
  WindowHandle AttachedRoom(const std::string& title = "Lobby Room") {
    InstallClient("10.1");
    const WindowHandle room = desktop.OpenRoom(title, RoomLayout::Profile10);
    RoomLink link = Link();
    AttachToRoom(link);
    return room;
  }
};

}  // namespace quorvel::testing
