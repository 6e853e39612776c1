// The "Admin" tab, with the nick grabber, the fast-admin entry window and the
// recorder's panel it opens.
#include "panel/AdminsFrame.h"
#include "panel/FastAdminFrame.h"
#include "panel/NickGrabber.h"
#include "panel/PanelControlRows.h"
#include "panel/RecorderPanel.h"

namespace quorvel::rows {
namespace {

const WindowGuard kGrabber = {[](const BotSettings& s) { return s.Panel.GrabberOpen; }, "the nick grabber is not open"};
const WindowGuard kFastAdminEntry = {[](const BotSettings& s) { return s.Panel.FastAdminEntryOpen; },
                                     "the fast-admin entry window is not open"};

}  // namespace

std::vector<PanelControl> AdminControls() {
  PanelControl grabberAdd = Button("Grabber.Add", nullptr, &kGrabber);
  grabberAdd.PressEntry = GrabberAdd;  // a double click on an entry of the grabber's list
  grabberAdd.Entries = [](BotSettings& s) -> std::vector<std::string>& { return s.Grabber.GrabberList; };
  grabberAdd.ListNotice = PanelListId::GrabberList;
  return {
      // "Admins"
      ListBox("AdminList", PanelListId::AdminList, [](BotSettings& s) -> PanelList& { return s.Admins.AdminList; }),
      TextBox("AdminBox", PanelBox::AdminBox, [](BotSettings& s) -> std::string& { return s.Panel.AdminBox; }),
      Button("Admins.AFN", OpenNickGrabber),
      Button("Admins.Save", AdminsSave),
      Button("Admins.Delete", AdminsDelete),
      Button("Admins.Add", AdminsAdd),
      // "Fast Admin"
      ListBox("FastAdminNicks", PanelListId::FastAdminNicks,
              [](BotSettings& s) -> PanelList& { return s.FastAdmin.FastAdminNicks; }),
      Button("FastAdmin.Join", FastAdminJoin),
      Button("FastAdmin.Save", FastAdminSave),
      Button("FastAdmin.Delete", FastAdminDelete),
      Button("FastAdmin.Add", FastAdminOpenEntry),
      // "Current Bot User"
      TextBox("BotNick", PanelBox::BotNick, [](BotSettings& s) -> std::string& { return s.BotNick; }),
      // "Room Recorder"
      Button("Recorder.Open", OpenRecorderPanel),
      ListBox("RecorderBuffer", PanelListId::RecorderBuffer,
              [](BotSettings& s) -> PanelList& { return s.Recorder.RecorderBuffer; }),
      // The nick grabber.
      std::move(grabberAdd),
      Button("Grabber.Refresh", GrabberRefresh, &kGrabber),
      Button("Grabber.AddAll", GrabberAddAll, &kGrabber),
      // The fast-admin entry window.
      GuardedBox("FastAdminNick", &kFastAdminEntry,
                 [](BotSettings& s) -> std::string& { return s.Panel.FastAdminNick; }),
      GuardedBox("FastAdminCode", &kFastAdminEntry,
                 [](BotSettings& s) -> std::string& { return s.Panel.FastAdminCode; }),
      Button("FastAdminEntry.Add", FastAdminEntryAdd, &kFastAdminEntry),
      // The recorder's panel.
      Button("Recorder.Start", RecorderStart),
      Button("Recorder.Stop", RecorderStop),
      Button("Recorder.Save", SaveRecording),
      TextBox("SearchBox", std::nullopt, [](BotSettings& s) -> std::string& { return s.Panel.SearchBox; }),
      Button("Recorder.Search", RecorderSearch),
      Label("SearchLabel", PanelLabel::SearchLabel, [](BotSettings& s) -> std::string& { return s.Panel.SearchLabel; }),
      ListBox("SearchResults", PanelListId::SearchResults,
              [](BotSettings& s) -> PanelList& { return s.Recorder.SearchResults; }),
      CheckBox("FlushTimerOn", [](BotSettings& s) -> bool& { return s.Recorder.FlushTimerOn; }),
      TextBox("FlushEvery", std::nullopt, [](BotSettings& s) -> std::string& { return s.Recorder.FlushEvery; }),
  };
}

}  // namespace quorvel::rows
