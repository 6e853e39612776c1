// The "Admin" tab, with the nick grabber, the fast-admin entry window and the
// recorder's panel it opens.
#include "panel/AdminsFrame.h"
#include "panel/FastAdminFrame.h"
#include "panel/NickGrabber.h"
#include "panel/PanelControlRows.h"
#include "panel/RecorderPanel.h"

namespace quorvel::rows {
namespace {

using S = BotSettings;

const WindowGuard kGrabber = {[](const S& s) { return s.Panel.GrabberOpen; }, "the nick grabber is not open"};
const WindowGuard kFastAdminEntry = {[](const S& s) { return s.Panel.FastAdminEntryOpen; },
                                     "the fast-admin entry window is not open"};

}  // namespace

std::vector<PanelControl> AdminControls() {
  PanelControl grabberAdd = Button("Grabber.Add", nullptr, &kGrabber);
  grabberAdd.PressEntry = GrabberAdd;  // a double click on an entry of the grabber's list
  grabberAdd.Entries = Setting<&S::Grabber, &S::GrabberSettings::GrabberList>;
  grabberAdd.ListNotice = PanelListId::GrabberList;
  return {
      // "Admins"
      ListBox("AdminList", PanelListId::AdminList, Setting<&S::Admins, &S::AdminSettings::AdminList>),
      TextBox("AdminBox", PanelBox::AdminBox, Setting<&S::Panel, &S::PanelState::AdminBox>),
      Button("Admins.AFN", OpenNickGrabber),
      Button("Admins.Save", AdminsSave),
      Button("Admins.Delete", AdminsDelete),
      Button("Admins.Add", AdminsAdd),
      // "Fast Admin"
      ListBox("FastAdminNicks", PanelListId::FastAdminNicks,
              Setting<&S::FastAdmin, &S::FastAdminSettings::FastAdminNicks>),
      Button("FastAdmin.Join", FastAdminJoin),
      Button("FastAdmin.Save", FastAdminSave),
      Button("FastAdmin.Delete", FastAdminDelete),
      Button("FastAdmin.Add", FastAdminOpenEntry),
      // "Current Bot User"
      TextBox("BotNick", PanelBox::BotNick, Setting<&S::BotNick>),
      // "Room Recorder"
      Button("Recorder.Open", OpenRecorderPanel),
      ListBox("RecorderBuffer", PanelListId::RecorderBuffer,
              Setting<&S::Recorder, &S::RecorderSettings::RecorderBuffer>),
      // The nick grabber.
      std::move(grabberAdd),
      Button("Grabber.Refresh", GrabberRefresh, &kGrabber),
      Button("Grabber.AddAll", GrabberAddAll, &kGrabber),
      // The fast-admin entry window.
      GuardedBox("FastAdminNick", &kFastAdminEntry, Setting<&S::Panel, &S::PanelState::FastAdminNick>),
      GuardedBox("FastAdminCode", &kFastAdminEntry, Setting<&S::Panel, &S::PanelState::FastAdminCode>),
      Button("FastAdminEntry.Add", FastAdminEntryAdd, &kFastAdminEntry),
      // The recorder's panel.
      Button("Recorder.Start", RecorderStart),
      Button("Recorder.Stop", RecorderStop),
      Button("Recorder.Save", SaveRecording),
      TextBox("SearchBox", std::nullopt, Setting<&S::Panel, &S::PanelState::SearchBox>),
      Button("Recorder.Search", RecorderSearch),
      Label("SearchLabel", PanelLabel::SearchLabel, Setting<&S::Panel, &S::PanelState::SearchLabel>),
      ListBox("SearchResults", PanelListId::SearchResults, Setting<&S::Recorder, &S::RecorderSettings::SearchResults>),
      CheckBox("FlushTimerOn", Setting<&S::Recorder, &S::RecorderSettings::FlushTimerOn>),
      TextBox("FlushEvery", std::nullopt, Setting<&S::Recorder, &S::RecorderSettings::FlushEvery>),
  };
}

}  // namespace quorvel::rows
