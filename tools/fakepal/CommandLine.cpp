#include "CommandLine.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "ClientRegistry.h"
#include "NickList.h"
#include "RoomBuilder.h"

namespace fakepal {

namespace {

std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> items(1);
  for (char c : text) {
    if (c == ',')
      items.emplace_back();
    else
      items.back().push_back(c);
  }
  return items;
}

}  // namespace

void ApplyCommandLine(App& app, int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const std::string value = i + 1 < argc ? argv[i + 1] : "";
    if (arg == "--install") {
      SetRegistryString(HKEY_LOCAL_MACHINE,
                        "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Paltalk Messenger", "DisplayVersion",
                        value);
      ++i;
    } else if (arg == "--user") {
      SetRegistryString(HKEY_CURRENT_USER, "Software\\Paltalk", "cur_user", value);
      ++i;
    } else if (arg == "--layout") {
      app.Layout = value == "9" ? quorvel::RoomLayout::Profile9 : quorvel::RoomLayout::Profile10;
      ++i;
    } else if (arg == "--multiselect") {
      app.MultiSelect = true;
    } else if (arg == "--wrap") {
      app.WrapWidth = std::atoi(value.c_str());
      ++i;
    } else if (arg == "--keep") {
      app.KeepLines = std::atoi(value.c_str());
      ++i;
    } else if (arg == "--no-nicklist") {
      app.LeftOut.push_back(quorvel::WindowRole::NickList);
    } else if (arg == "--no-transcript") {
      app.LeftOut.push_back(quorvel::WindowRole::Transcript);
    } else if (arg == "--no-sendbox") {
      app.LeftOut.push_back(quorvel::WindowRole::SendBox);
    } else if (arg == "--rename-class") {
      const auto equals = value.find('=');
      if (equals != std::string::npos) app.Renames.emplace_back(value.substr(0, equals), value.substr(equals + 1));
      ++i;
    } else if (arg == "--journal") {
      app.Log.Path = value;
      ++i;
    } else if (arg == "--room") {
      OpenRoom(app, value);
      ++i;
    } else if (arg == "--adminrooms") {
      app.AdminRooms = SplitCommas(value);
      ++i;
    } else if (arg == "--nicks" && !app.Rooms.empty()) {
      SetNicks(app.Rooms.back()->NickList, SplitCommas(value));
      ++i;
    }
  }
}

}  // namespace fakepal
