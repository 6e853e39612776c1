// The "Admin" tab, with the nick grabber, the fast-admin entry window and the
// recorder's panel it opens.
#include "panel/AdminsFrame.h"
#include "panel/FastAdminFrame.h"
#include "panel/NickGrabber.h"
#include "panel/PanelControlRows.h"
#include "panel/RecorderPanel.h"

namespace quorvel::rows {
namespace {

const WindowGuard kGrabber = {[](const BotSettings& s) { return s.GrabberOpen; }, "the nick grabber is not open"};
const WindowGuard kFastAdminEntry = {[](const BotSettings& s) { return s.FastAdminEntryOpen; },
                                     "the fast-admin entry window is not open"};

}  // namespace

std::vector<PanelControl> AdminControls() {
  PanelControl grabberAdd = Button("Grabber.Add", nullptr, &kGrabber);
  grabberAdd.PressEntry = GrabberAdd;  // a double click on an entry of the grabber's list
  grabberAdd.Entries = [](BotSettings & s) -> auto& { return s.GrabberList; };
  return {
      // "Admins"
      ListBox(
          "AdminList", [](BotSettings & s) -> auto& { return s.AdminList; }, PanelListId::AdminList),
      TextBox(
          "AdminBox", [](BotSettings & s) -> auto& { return s.AdminBox; }, PanelBox::AdminBox),
      Button("Admins.AFN", OpenNickGrabber),
      Button("Admins.Save", AdminsSave),
      Button("Admins.Delete", AdminsDelete),
      Button("Admins.Add", AdminsAdd),
      // "Fast Admin"
      ListBox(
          "FastAdminNicks", [](BotSettings & s) -> auto& { return s.FastAdminNicks; }, PanelListId::FastAdminNicks),
      Button("FastAdmin.Join", FastAdminJoin),
      Button("FastAdmin.Save", FastAdminSave),
      Button("FastAdmin.Delete", FastAdminDelete),
      Button("FastAdmin.Add", FastAdminOpenEntry),
      // "Current Bot User"
      TextBox(
          "BotNick", [](BotSettings & s) -> auto& { return s.BotNick; }, PanelBox::BotNick),
      // "Room Recorder"
      Button("Recorder.Open", OpenRecorderPanel),
      ListBox(
          "RecorderBuffer", [](BotSettings & s) -> auto& { return s.RecorderBuffer; }, PanelListId::RecorderBuffer),
      // The nick grabber.
      std::move(grabberAdd),
      Button("Grabber.Refresh", GrabberRefresh, &kGrabber),
      Button("Grabber.AddAll", GrabberAddAll, &kGrabber),
      // The fast-admin entry window.
      TextBox(
          "FastAdminNick", [](BotSettings & s) -> auto& { return s.FastAdminNick; }, std::nullopt, &kFastAdminEntry),
      TextBox(
          "FastAdminCode", [](BotSettings & s) -> auto& { return s.FastAdminCode; }, std::nullopt, &kFastAdminEntry),
      Button("FastAdminEntry.Add", FastAdminEntryAdd, &kFastAdminEntry),
      // The recorder's panel.
      Button("Recorder.Start", RecorderStart),
      Button("Recorder.Stop", RecorderStop),
      Button("Recorder.Save", SaveRecording),
      TextBox(
          "SearchBox", [](BotSettings & s) -> auto& { return s.SearchBox; }),
      Button("Recorder.Search", RecorderSearch),
      Label(
          "SearchLabel", [](BotSettings & s) -> auto& { return s.SearchLabel; }, PanelLabel::SearchLabel),
      ListBox(
          "SearchResults", [](BotSettings & s) -> auto& { return s.SearchResults; }, PanelListId::SearchResults),
      CheckBox(
          "FlushTimerOn", [](BotSettings & s) -> auto& { return s.FlushTimerOn; }),
      TextBox(
          "FlushEvery", [](BotSettings & s) -> auto& { return s.FlushEvery; }),
  };
}

}  // namespace quorvel::rows
