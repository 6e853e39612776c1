#include "panel/win32/MainWindow.h"

#include <commctrl.h>
#include <richedit.h>

#include <functional>
#include <string>

#include "commands/RoomRecorder.h"
#include "commands/VisitorStats.h"
#include "engine/PollTick.h"
#include "panel/AdminsFrame.h"
#include "panel/AnResTab.h"
#include "panel/BotWindows.h"
#include "panel/FastAdminFrame.h"
#include "panel/FeatureSwitch.h"
#include "panel/GreeterTab.h"
#include "panel/Menus.h"
#include "panel/ModerationPanel.h"
#include "panel/NickGrabber.h"
#include "panel/Polling.h"
#include "panel/win32/MainWindowIds.h"
#include "panel/win32/RichEditBridge.h"
#include "panel/win32/ToolWindow.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace quorvel {
namespace {

constexpr UINT_PTR kPollTimerId = 1;
constexpr UINT kPollPeriodMs = 400;
constexpr int kClientWidth = 770;
constexpr int kClientHeight = 530;
constexpr int kPageX = 212;  // where a tab's page starts, in the main window
constexpr int kPageY = 40;

constexpr DWORD kGroup = BS_GROUPBOX;
constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;
constexpr DWORD kFirstRadio = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD kBox = ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kList = WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_TABSTOP;
constexpr DWORD kMultiList = kList | LBS_EXTENDEDSEL;
constexpr DWORD kRich = ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER | WS_TABSTOP | ES_WANTRETURN;
constexpr DWORD kSwatch = SS_OWNERDRAW | SS_NOTIFY;
constexpr const char* kRichClass = "RichEdit20A";

struct PageControl {
  int Tab;  // -1: outside the tab control
  ToolControl Control;
};

// The whole window, frame by frame, in tab order.
const std::vector<PageControl>& Layout() {
  static const std::vector<PageControl> layout = {
      // Left column and room frame.
      {-1, {"BUTTON", "Status", 8, 6, 190, 160, kStatusFrame, kGroup}},
      {-1, {"BUTTON", "Enable All", 8, 172, 190, 26, kEnableAll, kPush}},
      {-1, {"BUTTON", "Disable All", 8, 202, 190, 26, kDisableAll, kPush}},
      {-1, {"BUTTON", "Start", 8, 234, 92, 28, kStart, kPush}},
      {-1, {"BUTTON", "Stop", 106, 234, 92, 28, kStop, kPush}},
      {-1, {"STATIC", "", 8, 270, 190, 150, kLineLabel, SS_LEFT | SS_NOPREFIX}},
      {-1, {"BUTTON", "Room:", 8, 468, 754, 56, kRoomFrame, kGroup}},
      {-1, {"COMBOBOX", "", 20, 488, 730, 200, kRoomList, CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP}},
      // "Admin"
      {0, {"BUTTON", "Admins", 0, 0, 265, 200, kAdminsFrame, kGroup}},
      {0, {"LISTBOX", "", 10, 20, 165, 140, kAdminList, kMultiList}},
      {0, {"EDIT", "", 10, 166, 165, 22, kAdminBox, kBox}},
      {0, {"BUTTON", "AFN", 182, 20, 74, 26, kAdminAfn, kPush, "Add nicks from the room nick list."}},
      {0, {"BUTTON", "Save ", 182, 52, 74, 26, kAdminSave, kPush}},
      {0, {"BUTTON", "Delete", 182, 84, 74, 26, kAdminDelete, kPush}},
      {0, {"BUTTON", "Add", 182, 164, 74, 26, kAdminAdd, kPush}},
      {0, {"BUTTON", "Fast Admin", 275, 0, 265, 200, kFastFrame, kGroup}},
      {0, {"LISTBOX", "", 285, 20, 165, 170, kFastList, kMultiList}},
      {0, {"BUTTON", "Join", 457, 20, 74, 26, kFastJoin, kPush}},
      {0, {"BUTTON", "Save", 457, 52, 74, 26, kFastSave, kPush}},
      {0, {"BUTTON", "Delete", 457, 84, 74, 26, kFastDelete, kPush}},
      {0, {"BUTTON", "Add", 457, 164, 74, 26, kFastAdd, kPush}},
      {0, {"BUTTON", "Current Bot User", 0, 208, 265, 54, kBotUserFrame, kGroup}},
      {0, {"EDIT", "", 10, 228, 245, 22, kBotNickBox, kBox}},
      {0, {"BUTTON", "Room Recorder", 275, 208, 265, 200, kRecorderFrame, kGroup}},
      {0, {"BUTTON", "Open Room Recorder Control Panel", 285, 228, 245, 26, kRecorderOpen, kPush}},
      {0, {"LISTBOX", "", 285, 260, 245, 138, kRecorderList, kList | WS_HSCROLL}},
      // "Greeter"
      {1, {kRichClass, "", 0, 0, 360, 150, kEditor, kRich}},
      {1, {"BUTTON", "Bold", 0, 156, 56, 26, kEditorBold, kPush}},
      {1, {"BUTTON", "A", 62, 156, 30, 26, kEditorSize8, kPush}},
      {1, {"BUTTON", "A", 96, 156, 30, 26, kEditorSize10, kPush}},
      {1, {"BUTTON", "A", 130, 156, 30, 26, kEditorSize11, kPush}},
      {1, {"BUTTON", "Color", 166, 156, 60, 26, kEditorColor, kPush}},
      {1, {"BUTTON", "Clear", 232, 156, 60, 26, kEditorClear, kPush}},
      {1, {"BUTTON", "Save To List", 0, 188, 110, 26, kSaveToList, kPush}},
      {1, {"BUTTON", "Delete", 116, 188, 76, 26, kDesignDelete, kPush}},
      {1, {"BUTTON", "Cool Greetings", 370, 0, 170, 214, kCoolFrame, kGroup}},
      {1, {"LISTBOX", "", 378, 18, 154, 188, kDesignList, kMultiList | WS_HSCROLL}},
      {1, {"BUTTON", "Random", 0, 222, 120, 70, kRandomFrame, kGroup}},
      {1, {"BUTTON", "Yes", 10, 242, 50, 20, kRandomYes, kFirstRadio}},
      {1, {"BUTTON", "No", 10, 264, 50, 20, kRandomNo, kRadio}},
      {1, {"BUTTON", "Fader Options", 128, 222, 204, 70, kDesignFaderFrame, kGroup}},
      {1, {"STATIC", "Color A:", 138, 244, 52, 18, kDesignColorALabel, SS_LEFT}},
      {1, {"STATIC", "", 192, 242, 30, 20, kDesignColorA, kSwatch}},
      {1, {"STATIC", "Color B:", 138, 266, 52, 18, kDesignColorBLabel, SS_LEFT}},
      {1, {"STATIC", "", 192, 264, 30, 20, kDesignColorB, kSwatch}},
      {1, {"BUTTON", "Fade", 240, 244, 80, 26, kDesignFade, kPush}},
      {1, {"BUTTON", "Mode", 340, 222, 200, 70, kModeFrame, kGroup}},
      {1, {"BUTTON", "Whisper", 350, 242, 90, 20, kModeWhisper, kFirstRadio}},
      {1, {"BUTTON", "Regular", 350, 264, 90, 20, kModeRegular, kRadio}},
      {1, {"BUTTON", "Start", 0, 302, 80, 28, kGreeterStart, kPush}},
      {1, {"BUTTON", "Stop", 86, 302, 80, 28, kGreeterStop, kPush}},
      {1, {"BUTTON", "Enable JRM", 180, 296, 150, 50, kJrmFrame, kGroup}},
      {1, {"BUTTON", "Enable", 192, 314, 80, 24, kJrmEnable, kPush}},
      // "SwearBot"
      {2, {"BUTTON", "Monitor Phrases", 0, 0, 265, 220, kPhrasesFrame, kGroup}},
      {2, {"LISTBOX", "", 10, 20, 165, 160, kPhraseList, kMultiList}},
      {2, {"EDIT", "", 10, 186, 165, 22, kPhraseBox, kBox}},
      {2, {"BUTTON", "Add", 182, 184, 74, 26, kPhraseAdd, kPush}},
      {2, {"BUTTON", "Delete", 182, 20, 74, 26, kPhraseDelete, kPush}},
      {2, {"BUTTON", "Save", 182, 52, 74, 26, kPhraseSave, kPush}},
      {2, {"BUTTON", "Options", 275, 0, 130, 96, kSwearOptionsFrame, kGroup}},
      {2, {"BUTTON", "Bounce", 285, 20, 100, 20, kSwearBounce, kFirstRadio}},
      {2, {"BUTTON", "Red Dot", 285, 44, 100, 20, kSwearRedDot, kRadio}},
      {2, {"BUTTON", "Warning", 285, 68, 100, 20, kSwearWarning, kRadio}},
      {2, {"BUTTON", "Warning", 412, 0, 128, 96, kWarnFrame, kGroup}},
      {2, {"BUTTON", "Yes", 422, 20, 80, 20, kWarnYes, kFirstRadio}},
      {2, {"BUTTON", "No", 422, 44, 80, 20, kWarnNo, kRadio}},
      {2, {"BUTTON", "Start", 275, 104, 80, 28, kSwearStart, kPush}},
      {2, {"BUTTON", "Stop", 361, 104, 80, 28, kSwearStop, kPush}},
      {2, {"BUTTON", "Users Warned", 275, 140, 265, 160, kWarnedFrame, kGroup}},
      {2, {"LISTBOX", "", 285, 160, 165, 130, kWarnedList, kMultiList}},
      {2, {"BUTTON", "Remove", 457, 160, 74, 26, kWarnedRemove, kPush}},
      {2, {"BUTTON", "Warn Messege", 0, 228, 265, 110, kWarnMessageFrame, kGroup}},
      {2, {kRichClass, "", 10, 248, 245, 80, kWarnMessage, kRich}},
      // "An/Res"
      {3, {"BUTTON", "Fader Options", 0, 0, 170, 56, kMsgFaderFrame, kGroup}},
      {3, {"STATIC", "A:", 10, 26, 18, 18, kMsgColorALabel, SS_LEFT}},
      {3, {"STATIC", "", 30, 24, 30, 20, kMsgColorA, kSwatch}},
      {3, {"STATIC", "B:", 80, 26, 18, 18, kMsgColorBLabel, SS_LEFT}},
      {3, {"STATIC", "", 100, 24, 30, 20, kMsgColorB, kSwatch}},
      {3, {"BUTTON", "Options", 178, 0, 362, 56, kStyleFrame, kGroup}},
      {3, {"BUTTON", "U", 188, 24, 36, 20, kStyleUnderline, kCheck, "Underline"}},
      {3, {"BUTTON", "I", 226, 24, 34, 20, kStyleItalic, kCheck, "Italic"}},
      {3, {"BUTTON", "Fade", 262, 24, 54, 20, kStyleFade, kCheck}},
      {3, {"STATIC", "", 318, 24, 30, 20, kStyleColor, kSwatch}},
      {3, {"BUTTON", "A", 354, 24, 36, 20, kStyleSize8, kCheck}},
      {3, {"BUTTON", "A", 392, 24, 36, 20, kStyleSize10, kCheck}},
      {3, {"BUTTON", "A", 430, 24, 40, 20, kStyleSize12, kCheck}},
      {3, {"BUTTON", "Bold", 476, 24, 56, 20, kStyleBold, kCheck}},
      {3, {"BUTTON", "Responder", 0, 62, 540, 170, kResponderFrame, kGroup}},
      {3, {"LISTBOX", "", 10, 82, 150, 110, kTriggerList, kMultiList}},
      {3, {"LISTBOX", "", 166, 82, 150, 110, kReplyList, kList}},
      {3, {"EDIT", "", 10, 198, 150, 22, kMessageBox, kBox}},
      {3, {"EDIT", "", 166, 198, 150, 22, kResponseBox, kBox}},
      {3, {"BUTTON", "Add", 326, 82, 68, 26, kResponderAdd, kPush}},
      {3, {"BUTTON", "Delete", 326, 112, 68, 26, kResponderDelete, kPush}},
      {3, {"BUTTON", "Save", 326, 142, 68, 26, kResponderSave, kPush}},
      {3, {"BUTTON", "Start", 400, 82, 68, 26, kResponderStart, kPush}},
      {3, {"BUTTON", "Stop", 400, 112, 68, 26, kResponderStop, kPush}},
      {3, {"BUTTON", "Clear", 400, 142, 68, 26, kResponderClear, kPush}},
      {3, {"BUTTON", "Anouncer", 0, 238, 540, 170, kAnouncerFrame, kGroup}},
      {3, {"LISTBOX", "", 10, 258, 230, 110, kAnnounceList, kList | WS_HSCROLL}},
      {3, {"EDIT", "", 10, 374, 230, 22, kAnnounceBox, kBox}},
      {3, {"BUTTON", "Add", 248, 258, 68, 26, kAnnounceAdd, kPush}},
      {3, {"BUTTON", "Delete", 248, 288, 68, 26, kAnnounceDelete, kPush}},
      {3, {"BUTTON", "Clear", 248, 318, 68, 26, kAnnounceClear, kPush}},
      {3, {"BUTTON", "Start", 322, 258, 68, 26, kAnnounceStart, kPush}},
      {3, {"BUTTON", "Stop", 322, 288, 68, 26, kAnnounceStop, kPush}},
      {3, {"STATIC", "T:", 322, 324, 16, 18, kIntervalLabel, SS_LEFT}},
      {3, {"EDIT", "", 340, 320, 50, 22, kIntervalBox, kBox}},
      {3, {"BUTTON", "Options", 400, 254, 130, 96, kAnnounceModeFrame, kGroup}},
      {3, {"BUTTON", "Multi", 410, 274, 100, 20, kModeMulti, kFirstRadio}},
      {3, {"BUTTON", "Singl", 410, 298, 100, 20, kModeSingl, kRadio}},
      {3, {"BUTTON", "Rand", 410, 322, 100, 20, kModeRand, kRadio}},
      // "Bc/Dot"
      {4, {"BUTTON", "Manual", 0, 0, 265, 56, kManualFrame, kGroup}},
      {4, {"BUTTON", "Bounce", 10, 20, 100, 26, kManualBounce, kPush}},
      {4, {"BUTTON", "Red Dot", 116, 20, 100, 26, kManualRedDot, kPush}},
      {4, {"BUTTON", "Hot Keys", 275, 0, 265, 56, kHotKeysFrame, kGroup}},
      {4, {"STATIC", "F7 To Bounce", 285, 24, 110, 18, kHotKeyF7, SS_LEFT}},
      {4, {"STATIC", "F8 To Red Dot", 405, 24, 120, 18, kHotKeyF8, SS_LEFT}},
      {4, {"BUTTON", "RedDot Message", 0, 62, 265, 96, kRedDotFrame, kGroup}},
      {4, {kRichClass, "", 10, 80, 245, 68, kRedDotMessage, kRich}},
      {4, {"BUTTON", "Bounce Message", 275, 62, 265, 96, kBounceFrame, kGroup}},
      {4, {kRichClass, "", 285, 80, 245, 68, kBounceMessage, kRich}},
      {4, {"BUTTON", "AutoBounce", 0, 164, 265, 230, kAutoBounceFrame, kGroup}},
      {4, {"LISTBOX", "", 10, 184, 165, 170, kAutoBounceList, kMultiList}},
      {4, {"EDIT", "", 10, 360, 165, 22, kAutoBounceBox, kBox}},
      {4, {"BUTTON", "Add", 182, 358, 74, 26, kAutoBounceAdd, kPush}},
      {4, {"BUTTON", "S", 182, 184, 34, 26, kAutoBounceSave, kPush, "Save"}},
      {4, {"BUTTON", "D", 222, 184, 34, 26, kAutoBounceDelete, kPush, "Delete"}},
      {4, {"BUTTON", "Start", 182, 216, 74, 26, kAutoBounceStart, kPush}},
      {4, {"BUTTON", "Stop", 182, 248, 74, 26, kAutoBounceStop, kPush}},
      {4, {"BUTTON", "AutoRedot", 275, 164, 265, 230, kAutoRedotFrame, kGroup}},
      {4, {"LISTBOX", "", 285, 184, 165, 170, kAutoRedotList, kMultiList}},
      {4, {"EDIT", "", 285, 360, 165, 22, kAutoRedotBox, kBox}},
      {4, {"BUTTON", "Add", 457, 358, 74, 26, kAutoRedotAdd, kPush}},
      {4, {"BUTTON", "S", 457, 184, 34, 26, kAutoRedotSave, kPush, "Save"}},
      {4, {"BUTTON", "D", 497, 184, 34, 26, kAutoRedotDelete, kPush, "Delete"}},
      {4, {"BUTTON", "Start", 457, 216, 74, 26, kAutoRedotStart, kPush}},
      {4, {"BUTTON", "Stop", 457, 248, 74, 26, kAutoRedotStop, kPush}},
      // "Stats"
      {5, {"STATIC", "Total Visits:", 0, 4, 110, 18, kTotalLabel, SS_LEFT}},
      {5, {"STATIC", "0", 112, 4, 60, 18, kTotalValue, SS_LEFT}},
      {5, {"STATIC", "Total Unique Visits:", 180, 4, 120, 18, kUniqueLabel, SS_LEFT}},
      {5, {"STATIC", "0", 302, 4, 60, 18, kUniqueValue, SS_LEFT}},
      {5, {"STATIC", "Current Users:", 370, 4, 90, 18, kUsersLabel, SS_LEFT}},
      {5, {"STATIC", "0", 462, 4, 60, 18, kUserCountLabel, SS_LEFT}},
      {5, {"BUTTON", "Visitors Stats", 0, 28, 400, 300, kVisitorsFrame, kGroup}},
      {5, {"STATIC", "Nicks:", 10, 46, 140, 18, kNicksHeader, SS_LEFT}},
      {5, {"STATIC", "#", 156, 46, 50, 18, kCountHeader, SS_LEFT}},
      {5, {"STATIC", "Last Seen:", 212, 46, 178, 18, kSeenHeader, SS_LEFT}},
      {5, {"LISTBOX", "", 10, 66, 140, 252, kVisitorNicks, kList}},
      {5, {"LISTBOX", "", 156, 66, 50, 252, kVisitorCounts, kList}},
      {5, {"LISTBOX", "", 212, 66, 178, 252, kVisitorSeen, kList}},
      {5, {"BUTTON", "Clear Stats", 0, 336, 100, 28, kClearStats, kPush}},
      {5, {"BUTTON", "Save", 106, 336, 80, 28, kSaveStats, kPush}},
      {5, {"BUTTON", "Load", 192, 336, 80, 28, kLoadStats, kPush}},
      {5, {"BUTTON", "Last Visitor", 410, 28, 130, 56, kLastVisitorFrame, kGroup}},
      {5, {"EDIT", "", 420, 48, 110, 22, kLastVisitorBox, kBox | ES_READONLY}},
      {5, {"BUTTON", "Time/Date", 410, 92, 130, 56, kTimeFrame, kGroup}},
      {5, {"STATIC", "Time", 420, 114, 116, 28, kClockLabel, SS_LEFT}},
  };
  return layout;
}

// The text boxes and the settings they edit.
std::string* BoxText(BotSettings& s, int id) {
  switch (id) {
    case kAdminBox:
      return &s.AdminBox;
    case kBotNickBox:
      return &s.BotNick;
    case kPhraseBox:
      return &s.PhraseBox;
    case kMessageBox:
      return &s.ResponderMessageBox;
    case kResponseBox:
      return &s.ResponderResponseBox;
    case kAnnounceBox:
      return &s.AnnounceInputBox;
    case kIntervalBox:
      return &s.AnnounceInterval;
    case kAutoBounceBox:
      return &s.AutobounceBox;
    case kAutoRedotBox:
      return &s.AutoRedotBox;
    case kLastVisitorBox:
      return &s.LastVisitorBox;
    default:
      return nullptr;
  }
}

// The list boxes and the lists they show.
PanelList* ListOf(BotSettings& s, int id) {
  switch (id) {
    case kAdminList:
      return &s.AdminList;
    case kFastList:
      return &s.FastAdminNicks;
    case kRecorderList:
      return &s.RecorderBuffer;
    case kDesignList:
      return &s.DesignNames;
    case kPhraseList:
      return &s.SwearList;
    case kWarnedList:
      return &s.WarnedUsers;
    case kTriggerList:
      return &s.ResponderTriggers;
    case kReplyList:
      return &s.ResponderReplies;
    case kAnnounceList:
      return &s.AnnounceList;
    case kAutoBounceList:
      return &s.AutoBounceList;
    case kAutoRedotList:
      return &s.AutoRedotList;
    case kVisitorNicks:
      return &s.VisitorNicks;
    case kVisitorCounts:
      return &s.VisitorCounts;
    case kVisitorSeen:
      return &s.VisitorLastSeen;
    default:
      return nullptr;
  }
}

RichText* MessageOf(BotSettings& s, int id) {
  switch (id) {
    case kWarnMessage:
      return &s.WarnMessage;
    case kRedDotMessage:
      return &s.RedDotMessage;
    case kBounceMessage:
      return &s.BounceMessage;
    default:
      return nullptr;
  }
}

using Action = void (*)(Bot&);

// Buttons that are one model action each.
Action ButtonAction(int id) {
  switch (id) {
    case kStart:
      return StartPolling;
    case kStop:
      return StopPolling;
    case kEnableAll:
      return EnableAll;
    case kDisableAll:
      return DisableAll;
    case kAdminAfn:
      return OpenNickGrabber;
    case kAdminSave:
      return AdminsSave;
    case kAdminDelete:
      return AdminsDelete;
    case kAdminAdd:
      return AdminsAdd;
    case kFastJoin:
      return FastAdminJoin;
    case kFastSave:
      return FastAdminSave;
    case kFastDelete:
      return FastAdminDelete;
    case kFastAdd:
      return FastAdminOpenEntry;
    case kRecorderOpen:
      return OpenRecorderPanel;
    case kEditorBold:
      return EditorBold;
    case kEditorSize8:
      return [](Bot& b) { EditorSize(b, 8); };
    case kEditorSize10:
      return [](Bot& b) { EditorSize(b, 10); };
    case kEditorSize11:
      return [](Bot& b) { EditorSize(b, 11); };
    case kEditorColor:
      return EditorColor;
    case kEditorClear:
      return EditorClear;
    case kDesignFade:
      return EditorFade;
    case kSaveToList:
      return OpenSaveAs;
    case kDesignDelete:
      return DeleteDesigns;
    case kGreeterStart:
      return [](Bot& b) { StartFeature(b, Feature::Greeter); };
    case kGreeterStop:
      return [](Bot& b) { StopFeature(b, Feature::Greeter); };
    case kJrmEnable:
      return EnableJrm;
    case kPhraseAdd:
      return PhrasesAdd;
    case kPhraseDelete:
      return PhrasesDelete;
    case kPhraseSave:
      return PhrasesSave;
    case kSwearStart:
      return [](Bot& b) { StartFeature(b, Feature::Swearbot); };
    case kSwearStop:
      return [](Bot& b) { StopFeature(b, Feature::Swearbot); };
    case kWarnedRemove:
      return WarnedUsersRemove;
    case kResponderAdd:
      return ResponderAdd;
    case kResponderDelete:
      return ResponderDelete;
    case kResponderSave:
      return ResponderSave;
    case kResponderStart:
      return [](Bot& b) { StartFeature(b, Feature::Responder); };
    case kResponderStop:
      return [](Bot& b) { StopFeature(b, Feature::Responder); };
    case kResponderClear:
      return ResponderClear;
    case kAnnounceAdd:
      return AnnouncerAdd;
    case kAnnounceDelete:
      return AnnouncerDelete;
    case kAnnounceClear:
      return AnnouncerClear;
    case kAnnounceStart:
      return [](Bot& b) { StartFeature(b, Feature::Anouncer); };
    case kAnnounceStop:
      return [](Bot& b) { StopFeature(b, Feature::Anouncer); };
    case kManualBounce:
      return ManualBounce;
    case kManualRedDot:
      return ManualRedDot;
    case kAutoBounceAdd:
      return AutobounceAdd;
    case kAutoBounceSave:
      return AutobounceSave;
    case kAutoBounceDelete:
      return AutobounceDelete;
    case kAutoBounceStart:
      return [](Bot& b) { StartFeature(b, Feature::Autobounce); };
    case kAutoBounceStop:
      return [](Bot& b) { StopFeature(b, Feature::Autobounce); };
    case kAutoRedotAdd:
      return AutoRedotAdd;
    case kAutoRedotSave:
      return AutoRedotSave;
    case kAutoRedotDelete:
      return AutoRedotDelete;
    case kAutoRedotStart:
      return [](Bot& b) { StartFeature(b, Feature::AutoRedot); };
    case kAutoRedotStop:
      return [](Bot& b) { StopFeature(b, Feature::AutoRedot); };
    case kClearStats:
      return ClearStats;
    case kSaveStats:
      return SaveStats;
    case kLoadStats:
      return LoadStats;
    case kMenuAbout:
      return ShowAbout;
    case kMenuHelp:
      return OpenHelp;
    case kMenuContact:
      return ShowContact;
    default:
      return nullptr;
  }
}

std::string WindowString(HWND window) {
  const int n = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(std::max(0, n)) + 1, '\0');
  GetWindowTextA(window, text.data(), n + 1);
  text.resize(static_cast<size_t>(std::max(0, n)));
  return text;
}

void SetText(HWND window, const std::string& text) {
  if (WindowString(window) != text) SetWindowTextA(window, text.c_str());
}

void Check(HWND button, bool on) { SendMessageA(button, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }

}  // namespace

MainWindow::MainWindow(BotSettings& settings) : settings_(settings) {}
MainWindow::~MainWindow() = default;

bool MainWindow::Create(HINSTANCE instance) {
  instance_ = instance;
  LoadLibraryA("riched20.dll");
  RegisterPanelClass(instance, kMainWindowClassName, Procedure);
  HDC screen = GetDC(nullptr);
  scale_ = GetDeviceCaps(screen, LOGPIXELSX) / 96.0;
  ReleaseDC(nullptr, screen);
  const DWORD style = WS_OVERLAPPEDWINDOW & ~(WS_MAXIMIZEBOX | WS_THICKFRAME);
  RECT r = {0, 0, static_cast<LONG>(kClientWidth * scale_), static_cast<LONG>(kClientHeight * scale_)};
  AdjustWindowRect(&r, style, TRUE);
  window_ =
      CreateWindowExA(WS_EX_CONTROLPARENT, kMainWindowClassName, settings_.Room.Caption.c_str(), style, CW_USEDEFAULT,
                      CW_USEDEFAULT, r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, this);
  if (!window_) return false;
  // On a monitor of another DPI than the system's, lay the window out for it.
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  if (auto getDpi = reinterpret_cast<GetDpiForWindowFn>(
          reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")))) {
    const UINT dpi = getDpi(window_);
    if (dpi && dpi != static_cast<UINT>(scale_ * 96 + 0.5)) ApplyDpi(dpi, nullptr);
  }
  // A key another program holds stays unregistered, without a word.
  RegisterHotKey(window_, kHotKeyBounce, 0, VK_F7);
  RegisterHotKey(window_, kHotKeyRedDot, 0, VK_F8);
  return true;
}

void MainWindow::Attach(Bot& bot) {
  bot_ = &bot;
  Refresh();
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) noexcept {
  MainWindow* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(l)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcA(window, message, w, l);
  try {
    return self->Handle(message, w, l);
  } catch (...) {
    // Nothing may unwind into the system's code; the message is dropped.
    return 0;
  }
}

void MainWindow::CreateMenus() {
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_STRING, kMenuAbout, "About");
  AppendMenuA(bar, MF_STRING, kMenuHelp, "Help");
  AppendMenuA(bar, MF_STRING, kMenuContact, "Contact");
  SetMenu(window_, bar);
}

void MainWindow::CreateControls() {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  font_ = CreateFontIndirectA(&metrics.lfMessageFont);
  tahoma_ =
      CreateFontA(static_cast<int>(-11 * scale_), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
  tooltip_ = CreateTooltips(instance_, window_);
  CreateMenus();
  // Six indicator rows: an on/off picture drawn by the program, and the label.
  for (int i = 0; i < 6; ++i) {
    CreateControl(window_, {"STATIC", "", 20, 28 + 22 * i, 14, 14, kPictureFirst + i, SS_OWNERDRAW}, scale_, font_,
                  nullptr);
    CreateControl(window_, {"STATIC", "", 40, 26 + 22 * i, 150, 18, kIndicatorFirst + i, SS_LEFT}, scale_, font_,
                  nullptr);
    tabOf_[kPictureFirst + i] = tabOf_[kIndicatorFirst + i] = -1;
  }
  const HWND tabs = CreateControl(window_, {WC_TABCONTROLA, "", 204, 6, 558, 456, kTabs, WS_CLIPSIBLINGS | WS_TABSTOP},
                                  scale_, font_, nullptr);
  const char* names[] = {"Admin", "Greeter", "SwearBot", "An/Res", "Bc/Dot", "Stats"};
  for (int i = 0; i < 6; ++i) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(names[i]);
    SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  for (const auto& pc : Layout()) {
    ToolControl c = pc.Control;
    if (pc.Tab >= 0) {
      c.X += kPageX;
      c.Y += kPageY;
    }
    const HWND h = CreateControl(window_, c, scale_, c.Id == kDesignList ? tahoma_ : font_, tooltip_);
    tabOf_[c.Id] = pc.Tab;
    if (pc.Tab >= 0) SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (std::string(c.ClassName) == kRichClass) SendMessageA(h, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
  }
  // The three "A" size boxes show their own sizes.
  const int sizes[] = {8, 10, 12};
  const int boxes[] = {kStyleSize8, kStyleSize10, kStyleSize12};
  for (int i = 0; i < 3; ++i) {
    HFONT f = CreateFontA(static_cast<int>(-sizes[i] * 96 / 72 * scale_), 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0,
                          0, 0, 0, "Arial");
    SendMessageA(Control(boxes[i]), WM_SETFONT, reinterpret_cast<WPARAM>(f), TRUE);
  }
  SelectTab(0);
}

void MainWindow::ApplyDpi(unsigned dpi, const RECT* suggested) {
  scale_ = dpi / 96.0;
  auto place = [&](int id, int x, int y, int w, int h) {
    SetWindowPos(Control(id), nullptr, static_cast<int>(x * scale_ + 0.5), static_cast<int>(y * scale_ + 0.5),
                 static_cast<int>(w * scale_ + 0.5), static_cast<int>(h * scale_ + 0.5), SWP_NOZORDER | SWP_NOACTIVATE);
  };
  for (int i = 0; i < 6; ++i) {
    place(kPictureFirst + i, 20, 28 + 22 * i, 14, 14);
    place(kIndicatorFirst + i, 40, 26 + 22 * i, 150, 18);
  }
  place(kTabs, 204, 6, 558, 456);
  for (const auto& pc : Layout()) {
    const ToolControl& c = pc.Control;
    place(c.Id, c.X + (pc.Tab >= 0 ? kPageX : 0), c.Y + (pc.Tab >= 0 ? kPageY : 0), c.W, c.H);
  }
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  metrics.lfMessageFont.lfHeight = static_cast<LONG>(-12 * scale_);
  HFONT font = CreateFontIndirectA(&metrics.lfMessageFont);
  for (const auto& [id, tab] : tabOf_)
    if (id != kDesignList && id != kStyleSize8 && id != kStyleSize10 && id != kStyleSize12)
      SendMessageA(Control(id), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  SendMessageA(Control(kTabs), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (font_) DeleteObject(font_);
  font_ = font;
  if (suggested) {
    SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    RECT r = {0, 0, static_cast<LONG>(kClientWidth * scale_), static_cast<LONG>(kClientHeight * scale_)};
    AdjustWindowRect(&r, static_cast<DWORD>(GetWindowLongA(window_, GWL_STYLE)), TRUE);
    SetWindowPos(window_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void MainWindow::SelectTab(int index) {
  tab_ = index;
  SendMessageA(Control(kTabs), TCM_SETCURSEL, index, 0);
  for (const auto& [id, tab] : tabOf_)
    if (tab >= 0) ShowWindow(Control(id), tab == index ? SW_SHOW : SW_HIDE);
}

LRESULT MainWindow::Handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_CREATE:
      CreateControls();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l));
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(l);
      if (header->idFrom == kTabs && header->code == TCN_SELCHANGE)
        SelectTab(static_cast<int>(SendMessageA(Control(kTabs), TCM_GETCURSEL, 0, 0)));
      if (header->code == EN_SELCHANGE && header->idFrom == kEditor && bot_ && !refreshing_) {
        const auto* change = reinterpret_cast<const SELCHANGE*>(l);
        settings_.EditorSelStart = static_cast<size_t>(change->chrg.cpMin);
        settings_.EditorSelLength = static_cast<size_t>(change->chrg.cpMax - change->chrg.cpMin);
      }
      return 0;
    }
    case WM_DPICHANGED:
      ApplyDpi(HIWORD(w), reinterpret_cast<const RECT*>(l));
      return 0;
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
      return TRUE;
    case WM_TIMER:
      if (w == kPollTimerId && bot_) PollTimerFired(*bot_);
      return 0;
    case WM_HOTKEY:
      if (bot_) HotKeyPressed(*bot_, static_cast<int>(w));
      return 0;
    case WM_CLOSE:
      DestroyWindow(window_);
      return 0;
    case WM_DESTROY:
      // Nothing is saved at shutdown; the hot keys go back to the system.
      UnregisterHotKey(window_, kHotKeyBounce);
      UnregisterHotKey(window_, kHotKeyRedDot);
      KillTimer(window_, kPollTimerId);
      tools_.clear();
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window_, message, w, l);
  }
}

void MainWindow::PickColor(std::uint32_t& target) {
  // The colour dialog starts from, and a cancel gives back, the colour it holds.
  settings_.DialogColor = bot_->host.dialogs.AskColor(settings_.DialogColor).value_or(settings_.DialogColor);
  target = settings_.DialogColor;
  Refresh();
}

void MainWindow::OnCommand(int id, int code, HWND control) {
  if (!bot_ || refreshing_) return;
  BotSettings& s = settings_;
  if (std::string* box = BoxText(s, id)) {
    if (code == EN_CHANGE) *box = WindowString(control);
    return;
  }
  if (RichText* message = MessageOf(s, id)) {
    if (code == EN_CHANGE) message->SetRtf(StreamOutRtf(control));
    return;
  }
  if (id == kEditor) {
    if (code == EN_CHANGE) s.DesignEditor.SetRtf(StreamOutRtf(control));
    return;
  }
  if (PanelList* list = ListOf(s, id)) {
    if (code == LBN_SELCHANGE) {
      std::vector<size_t> picked;
      const int n = static_cast<int>(SendMessageA(control, LB_GETCOUNT, 0, 0));
      for (int i = 0; i < n; ++i)
        if (SendMessageA(control, LB_GETSEL, i, 0) > 0) picked.push_back(static_cast<size_t>(i));
      if (id == kDesignList) return PickDesigns(*bot_, picked);
      if (id == kAnnounceList && !picked.empty()) return PickAnnouncement(*bot_, picked.back());
      list->Selected = std::set<size_t>(picked.begin(), picked.end());
    }
    return;
  }
  if (id == kRoomList) {
    if (code == CBN_DROPDOWN) RoomListDropDown(*bot_);
    if (code == CBN_SELCHANGE) {
      const LRESULT index = SendMessageA(control, CB_GETCURSEL, 0, 0);
      if (index != CB_ERR) RoomPicked(*bot_, static_cast<int>(index));
    }
    return;
  }
  if (code == STN_CLICKED) {
    if (id == kDesignColorA) return PickColor(s.Style.DesignFadeColorA);
    if (id == kDesignColorB) return PickColor(s.Style.DesignFadeColorB);
    if (id == kMsgColorA) return PickColor(s.Style.MessageFadeColorA);
    if (id == kMsgColorB) return PickColor(s.Style.MessageFadeColorB);
    if (id == kStyleColor) return PickColor(s.Style.StyleColor);
  }
  if (code != BN_CLICKED) return;
  const bool checked = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
  switch (id) {
    case kRandomYes:
      s.RandomDesign = true;
      return;
    case kRandomNo:
      s.RandomDesign = false;
      return;
    case kModeWhisper:
      s.GreetMode = BotSettings::GreetModes::Whisper;
      return;
    case kModeRegular:
      s.GreetMode = BotSettings::GreetModes::Regular;
      return;
    case kSwearBounce:
      s.SwearMode = BotSettings::SwearModes::Bounce;
      return;
    case kSwearRedDot:
      s.SwearMode = BotSettings::SwearModes::RedDot;
      return;
    case kSwearWarning:
      s.SwearMode = BotSettings::SwearModes::Warning;
      return;
    case kWarnYes:
      s.WarnFirst = BotSettings::WarnFirstChoice::Yes;
      return;
    case kWarnNo:
      s.WarnFirst = BotSettings::WarnFirstChoice::No;
      return;
    case kModeMulti:
      s.AnnounceMode = BotSettings::AnnounceModes::Multi;
      return;
    case kModeSingl:
      s.AnnounceMode = BotSettings::AnnounceModes::Singl;
      return;
    case kModeRand:
      s.AnnounceMode = BotSettings::AnnounceModes::Rand;
      return;
    case kStyleUnderline:
      s.Style.StyleUnderline = checked;
      return;
    case kStyleItalic:
      s.Style.StyleItalic = checked;
      return;
    case kStyleFade:
      s.Style.StyleFade = checked;
      return;
    case kStyleBold:
      s.Style.StyleBold = checked;
      return;
    case kStyleSize8:
      SetSizeBox(s.Style, 8, checked);
      Refresh();
      return;
    case kStyleSize10:
      SetSizeBox(s.Style, 10, checked);
      Refresh();
      return;
    case kStyleSize12:
      SetSizeBox(s.Style, 12, checked);
      Refresh();
      return;
    default:
      break;
  }
  if (Action action = ButtonAction(id)) {
    action(*bot_);
    Refresh();
  }
}

void MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const int id = static_cast<int>(item.CtlID);
  COLORREF fill = GetSysColor(COLOR_BTNFACE);
  bool round = false;
  if (id >= kPictureFirst && id < kPictureFirst + 6) {
    // On: a green lamp; off: a dim red one.
    const bool on = FeatureFlag(settings_, kAllFeatures[static_cast<size_t>(id - kPictureFirst)]);
    fill = on ? RGB(0, 200, 60) : RGB(120, 40, 40);
    round = true;
  } else if (id == kDesignColorA) {
    fill = settings_.Style.DesignFadeColorA;
  } else if (id == kDesignColorB) {
    fill = settings_.Style.DesignFadeColorB;
  } else if (id == kMsgColorA) {
    fill = settings_.Style.MessageFadeColorA;
  } else if (id == kMsgColorB) {
    fill = settings_.Style.MessageFadeColorB;
  } else if (id == kStyleColor) {
    fill = settings_.Style.StyleColor;
  }
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  HBRUSH brush = CreateSolidBrush(fill);
  HGDIOBJ oldBrush = SelectObject(item.hDC, brush);
  if (round) {
    Ellipse(item.hDC, item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom);
  } else {
    Rectangle(item.hDC, item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom);
  }
  SelectObject(item.hDC, oldBrush);
  DeleteObject(brush);
}

void MainWindow::Refresh() {
  if (!window_) return;
  refreshing_ = true;
  BotSettings& s = settings_;
  for (Feature f : kAllFeatures) {
    SetText(Control(kIndicatorFirst + static_cast<int>(f)), FeatureLabel(s, f));
    InvalidateRect(Control(kPictureFirst + static_cast<int>(f)), nullptr, TRUE);
  }
  for (int id : {kAdminBox, kBotNickBox, kPhraseBox, kMessageBox, kResponseBox, kAnnounceBox, kIntervalBox,
                 kAutoBounceBox, kAutoRedotBox, kLastVisitorBox})
    SetText(Control(id), *BoxText(s, id));
  for (const auto& [id, tab] : tabOf_) {
    PanelList* list = ListOf(s, id);
    if (!list) continue;
    const HWND box = Control(id);
    auto& shown = shownLists_[id];
    if (shown != list->Items) {
      SendMessageA(box, LB_RESETCONTENT, 0, 0);
      for (const auto& item : list->Items) SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
      shown = list->Items;
      // The newest recorded line is the topmost one in view.
      if (id == kRecorderList && !shown.empty()) SendMessageA(box, LB_SETTOPINDEX, shown.size() - 1, 0);
    }
    const bool multi = (GetWindowLongA(box, GWL_STYLE) & LBS_EXTENDEDSEL) != 0;
    if (multi) {
      for (size_t i = 0; i < list->Items.size(); ++i)
        SendMessageA(box, LB_SETSEL, list->IsSelected(i), static_cast<LPARAM>(i));
    } else {
      SendMessageA(box, LB_SETCURSEL, static_cast<WPARAM>(list->SelectedIndex()), 0);
    }
  }
  Check(Control(kRandomYes), s.RandomDesign);
  Check(Control(kRandomNo), !s.RandomDesign);
  Check(Control(kModeWhisper), s.GreetMode == BotSettings::GreetModes::Whisper);
  Check(Control(kModeRegular), s.GreetMode == BotSettings::GreetModes::Regular);
  Check(Control(kSwearBounce), s.SwearMode == BotSettings::SwearModes::Bounce);
  Check(Control(kSwearRedDot), s.SwearMode == BotSettings::SwearModes::RedDot);
  Check(Control(kSwearWarning), s.SwearMode == BotSettings::SwearModes::Warning);
  Check(Control(kWarnYes), s.WarnFirst == BotSettings::WarnFirstChoice::Yes);
  Check(Control(kWarnNo), s.WarnFirst == BotSettings::WarnFirstChoice::No);
  Check(Control(kModeMulti), s.AnnounceMode == BotSettings::AnnounceModes::Multi);
  Check(Control(kModeSingl), s.AnnounceMode == BotSettings::AnnounceModes::Singl);
  Check(Control(kModeRand), s.AnnounceMode == BotSettings::AnnounceModes::Rand);
  Check(Control(kStyleUnderline), s.Style.StyleUnderline);
  Check(Control(kStyleItalic), s.Style.StyleItalic);
  Check(Control(kStyleFade), s.Style.StyleFade);
  Check(Control(kStyleBold), s.Style.StyleBold);
  Check(Control(kStyleSize8), s.Style.StyleSize == 8);
  Check(Control(kStyleSize10), s.Style.StyleSize == 10);
  Check(Control(kStyleSize12), s.Style.StyleSize == 12);
  for (int id : {kDesignColorA, kDesignColorB, kMsgColorA, kMsgColorB, kStyleColor})
    InvalidateRect(Control(id), nullptr, TRUE);
  SetText(Control(kClockLabel), s.ClockLabel);
  SetText(Control(kUserCountLabel), s.UserCountLabel);
  SetText(Control(kTotalValue), s.TotalVisits);
  SetText(Control(kUniqueValue), s.UniqueVisits);
  SetText(Control(kLineLabel), s.Line.RawLine);
  if (auto it = tools_.find(kGrabberCaption); it != tools_.end()) {
    const HWND list = it->second->Control(1);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const auto& item : s.GrabberList) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  if (auto it = tools_.find(kRecorderCaption); it != tools_.end()) {
    SetText(it->second->Control(6), s.SearchLabel);
    const HWND list = it->second->Control(7);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const auto& item : s.SearchResults.Items)
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  refreshing_ = false;
}

void MainWindow::RefreshMessages() {
  refreshing_ = true;
  for (int id : {kWarnMessage, kRedDotMessage, kBounceMessage})
    StreamInRtf(Control(id), MessageOf(settings_, id)->ToRtf());
  refreshing_ = false;
}

void MainWindow::IndicatorChanged(Feature) { Refresh(); }

void MainWindow::PollTimerChanged(bool enabled) {
  if (enabled) {
    SetTimer(window_, kPollTimerId, kPollPeriodMs, nullptr);
  } else {
    KillTimer(window_, kPollTimerId);
  }
}

void MainWindow::RoomListChanged() {
  const HWND combo = Control(kRoomList);
  SendMessageA(combo, CB_RESETCONTENT, 0, 0);
  for (const auto& title : settings_.Room.RoomList)
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.c_str()));
  if (settings_.Room.RoomListIndex >= 0) SendMessageA(combo, CB_SETCURSEL, settings_.Room.RoomListIndex, 0);
  SetWindowTextA(combo, settings_.Room.SelectedRoomTitle.c_str());
}

void MainWindow::CaptionChanged() { SetWindowTextA(window_, settings_.Room.Caption.c_str()); }

void MainWindow::DisplaysChanged() {
  Refresh();
  // The three message editors show the model's text once, after start-up
  // coloured them; from then on the operator edits them in place.
  if (!messagesShown_ && bot_) {
    messagesShown_ = true;
    RefreshMessages();
  }
}

void MainWindow::ListsChanged() { Refresh(); }

void MainWindow::EditorChanged() {
  refreshing_ = true;
  const HWND editor = Control(kEditor);
  StreamInRtf(editor, settings_.DesignEditor.ToRtf());
  CHARRANGE range = {static_cast<LONG>(settings_.EditorSelStart),
                     static_cast<LONG>(settings_.EditorSelStart + settings_.EditorSelLength)};
  SendMessageA(editor, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  refreshing_ = false;
}

void MainWindow::BringToFront() { SetForegroundWindow(window_); }

void MainWindow::BotWindowOpened(const std::string& caption) {
  if (!bot_ || tools_.count(caption)) return;
  Bot& bot = *bot_;
  BotSettings& s = settings_;
  auto closed = [this, caption]() {
    BotWindowClosedByOperator(*bot_, caption);
    tools_.erase(caption);
  };
  auto text = [this, caption](int id) { return WindowString(tools_.at(caption)->Control(id)); };
  std::vector<ToolControl> controls;
  ToolWindow::CommandHandler onCommand;
  int width = 300, height = 200;
  if (caption == kGrabberCaption) {
    width = 240;
    height = 320;
    controls = {
        {"LISTBOX", "", 10, 10, 220, 240, 1, kList, "Double Click nick to add to the admin nick list."},
        {"BUTTON", "Refresh", 10, 260, 100, 28, 2, kPush},
        {"BUTTON", "Add All @", 120, 260, 110, 28, 3, kPush, "This will add all the nicks that are @ in the room."}};
    onCommand = [this, &bot](int id, int code) {
      if (id == 1 && code == LBN_DBLCLK) {
        const LRESULT i = SendMessageA(tools_.at(kGrabberCaption)->Control(1), LB_GETCURSEL, 0, 0);
        if (i != LB_ERR) GrabberAdd(bot, static_cast<size_t>(i));
      }
      if (id == 2 && code == BN_CLICKED) GrabberRefresh(bot);
      if (id == 3 && code == BN_CLICKED) GrabberAddAll(bot);
      Refresh();
    };
  } else if (caption == kRecorderCaption) {
    width = 420;
    height = 300;
    controls = {{"BUTTON", "Start", 10, 10, 80, 28, 1, kPush},
                {"BUTTON", "Stop", 96, 10, 80, 28, 2, kPush},
                {"BUTTON", "Save", 182, 10, 80, 28, 3, kPush},
                {"EDIT", "", 10, 48, 250, 22, 4, kBox},
                {"BUTTON", "Search", 268, 46, 80, 28, 5, kPush},
                {"STATIC", "Search Results", 10, 80, 400, 18, 6, SS_LEFT},
                {"LISTBOX", "", 10, 100, 400, 120, 7, kList},
                {"BUTTON", "Record Timer", 10, 226, 400, 60, 8, kGroup},
                {"BUTTON", "On", 20, 250, 50, 20, 9, kCheck},
                {"STATIC", "Every", 80, 252, 40, 18, 10, SS_LEFT},
                {"EDIT", s.FlushEvery.c_str(), 122, 248, 50, 22, 11, kBox},
                {"STATIC", "Seconds", 180, 252, 60, 18, 12, SS_LEFT}};
    onCommand = [this, &bot, &s, text](int id, int code) {
      if (code == EN_CHANGE && id == 4) s.SearchBox = text(4);
      if (code == EN_CHANGE && id == 11) s.FlushEvery = text(11);
      if (code != BN_CLICKED) return;
      if (id == 1) RecorderStart(bot);
      if (id == 2) RecorderStop(bot);
      if (id == 3) SaveRecording(bot);
      if (id == 5) RecorderSearch(bot);
      if (id == 9)
        s.FlushTimerOn = SendMessageA(tools_.at(kRecorderCaption)->Control(9), BM_GETCHECK, 0, 0) == BST_CHECKED;
      Refresh();
    };
  } else if (caption == kSaveAsCaption) {
    width = 300;
    height = 90;
    controls = {{"STATIC", "Save As:", 10, 14, 60, 18, 1, SS_LEFT},
                {"EDIT", "", 72, 10, 216, 22, 2, kBox},
                {"BUTTON", "Save", 208, 50, 80, 28, 3, kPush | BS_DEFPUSHBUTTON}};
    onCommand = [&bot, &s, text](int id, int code) {
      if (id == 2 && code == EN_CHANGE) s.SaveAsName = text(2);
      if (id == 3 && code == BN_CLICKED) SaveDesign(bot);
    };
  } else if (caption == kFastAdminEntryCaption) {
    width = 260;
    height = 120;
    controls = {{"STATIC", "Nick:", 10, 14, 40, 18, 1, SS_LEFT},
                {"EDIT", "", 56, 10, 194, 22, 2, kBox},
                {"STATIC", "Code:", 10, 46, 40, 18, 3, SS_LEFT},
                {"EDIT", "", 56, 42, 194, 22, 4, kBox | ES_PASSWORD},
                {"BUTTON", "Add", 170, 80, 80, 28, 5, kPush | BS_DEFPUSHBUTTON}};
    onCommand = [this, &bot, &s, text](int id, int code) {
      if (id == 2 && code == EN_CHANGE) s.FastAdminNick = text(2);
      if (id == 4 && code == EN_CHANGE) s.FastAdminCode = text(4);
      if (id == 5 && code == BN_CLICKED) {
        FastAdminEntryAdd(bot);
        Refresh();
      }
    };
  } else {
    return;
  }
  tools_[caption] = std::make_unique<ToolWindow>(instance_, window_, caption, width, height, controls, scale_, font_,
                                                 onCommand, closed);
  Refresh();
}

void MainWindow::BotWindowClosed(const std::string& caption) { tools_.erase(caption); }

void MainWindow::ShowModal(const std::string& caption) {
  std::vector<ToolControl> controls;
  std::unique_ptr<ToolWindow> dialog;
  bool done = false;
  auto close = [&done]() { done = true; };
  if (caption == kAboutCaption) {
    controls = {{"STATIC", kProgramName, 10, 10, 300, 22, 1, SS_CENTER},
                {"STATIC", kAboutText, 10, 40, 300, 60, 2, SS_LEFT},
                {"BUTTON", "OK", 120, 110, 80, 28, IDOK, kPush | BS_DEFPUSHBUTTON}};
  } else if (caption == kContactCaption) {
    controls = {{"STATIC", "Visit", 10, 14, 40, 18, 1, SS_LEFT},
                {"STATIC", kMakerAddress, 54, 14, 256, 18, 2, SS_LEFT | SS_NOTIFY},
                {"BUTTON", "Ok", 120, 110, 80, 28, IDOK, kPush | BS_DEFPUSHBUTTON}};
  } else {
    return;
  }
  dialog = std::make_unique<ToolWindow>(
      instance_, window_, caption, 320, 150, controls, scale_, font_,
      [&](int id, int code) {
        if (id == IDOK || id == IDCANCEL) PostMessageA(dialog->Window(), WM_CLOSE, 0, 0);
        if (id == 2 && code == STN_CLICKED && caption == kContactCaption && bot_) OpenMakerPage(*bot_);
      },
      close);
  dialog->RunModal();
}

}  // namespace quorvel
