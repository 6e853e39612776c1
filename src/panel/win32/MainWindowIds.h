#pragma once
// The main window's class and control ids, shared with the tests that drive it.
namespace quorvel {

inline constexpr const char* kMainWindowClassName = "QuorvelMainWindow";

enum ControlId : int {
  kStatusFrame = 100,
  kIndicatorFirst = 101,  // six labels, in the Status frame's order
  kPictureFirst = 111,    // six on/off pictures
  kEnableAll = 120,
  kDisableAll,
  kStart,
  kStop,
  kLineLabel,
  kTabs,
  kRoomFrame,
  kRoomList,
  // "Admin"
  kAdminsFrame = 200,
  kAdminList,
  kAdminBox,
  kAdminAfn,
  kAdminSave,
  kAdminDelete,
  kAdminAdd,
  kFastFrame,
  kFastList,
  kFastJoin,
  kFastSave,
  kFastDelete,
  kFastAdd,
  kBotUserFrame,
  kBotNickBox,
  kRecorderFrame,
  kRecorderOpen,
  kRecorderList,
  // "Greeter"
  kEditor = 300,
  kEditorBold,
  kEditorSize8,
  kEditorSize10,
  kEditorSize11,
  kEditorColor,
  kEditorClear,
  kCoolFrame,
  kDesignList,
  kSaveToList,
  kDesignDelete,
  kRandomFrame,
  kRandomYes,
  kRandomNo,
  kDesignFaderFrame,
  kDesignColorALabel,
  kDesignColorA,
  kDesignColorBLabel,
  kDesignColorB,
  kDesignFade,
  kModeFrame,
  kModeWhisper,
  kModeRegular,
  kGreeterStart,
  kGreeterStop,
  kJrmFrame,
  kJrmEnable,
  // "SwearBot"
  kPhrasesFrame = 400,
  kPhraseList,
  kPhraseBox,
  kPhraseAdd,
  kPhraseDelete,
  kPhraseSave,
  kSwearOptionsFrame,
  kSwearBounce,
  kSwearRedDot,
  kSwearWarning,
  kWarnFrame,
  kWarnYes,
  kWarnNo,
  kSwearStart,
  kSwearStop,
  kWarnedFrame,
  kWarnedList,
  kWarnedRemove,
  kWarnMessageFrame,
  kWarnMessage,
  // "An/Res"
  kMsgFaderFrame = 500,
  kMsgColorALabel,
  kMsgColorA,
  kMsgColorBLabel,
  kMsgColorB,
  kStyleFrame,
  kStyleUnderline,
  kStyleItalic,
  kStyleFade,
  kStyleColor,
  kStyleSize8,
  kStyleSize10,
  kStyleSize12,
  kStyleBold,
  kResponderFrame,
  kTriggerList,
  kReplyList,
  kMessageBox,
  kResponseBox,
  kResponderAdd,
  kResponderDelete,
  kResponderSave,
  kResponderStart,
  kResponderStop,
  kResponderClear,
  kAnnouncerFrame,
  kAnnounceList,
  kAnnounceBox,
  kAnnounceAdd,
  kAnnounceDelete,
  kAnnounceClear,
  kAnnounceStart,
  kAnnounceStop,
  kIntervalLabel,
  kIntervalBox,
  kAnnounceModeFrame,
  kModeMulti,
  kModeSingle,
  kModeRand,
  // "Bc/Dot"
  kManualFrame = 600,
  kManualBounce,
  kManualRedDot,
  kHotKeysFrame,
  kHotKeyF7,
  kHotKeyF8,
  kRedDotFrame,
  kRedDotMessage,
  kBounceFrame,
  kBounceMessage,
  kAutoBounceFrame,
  kAutoBounceList,
  kAutoBounceBox,
  kAutoBounceAdd,
  kAutoBounceSave,
  kAutoBounceStart,
  kAutoBounceStop,
  kAutoBounceDelete,
  kAutoRedotFrame,
  kAutoRedotList,
  kAutoRedotBox,
  kAutoRedotAdd,
  kAutoRedotSave,
  kAutoRedotStart,
  kAutoRedotStop,
  kAutoRedotDelete,
  kLogModeration,
  // "Stats"
  kTotalLabel = 700,
  kTotalValue,
  kUniqueLabel,
  kUniqueValue,
  kUsersLabel,
  kUserCountLabel,
  kVisitorsFrame,
  kNicksHeader,
  kCountHeader,
  kSeenHeader,
  kVisitorNicks,
  kVisitorCounts,
  kVisitorSeen,
  kClearStats,
  kSaveStats,
  kLoadStats,
  kLastVisitorFrame,
  kLastVisitorBox,
  kTimeFrame,
  kClockLabel,
  // the status bar below everything, what the last tick found of the room's windows
  kHealthBar = 890,
  // menus
  kMenuAbout = 900,
  kMenuHelp,
  kMenuContact,
};

// The controls of the bot's small windows; each window numbers its own from 1.
enum GrabberControl : int { kGrabberList = 1, kGrabberRefresh, kGrabberAddAll };
enum RecorderControl : int {
  kRecorderStart = 1,
  kRecorderStop,
  kRecorderSave,
  kRecorderSearchBox,
  kRecorderSearch,
  kRecorderSearchLabel,
  kRecorderResults,
  kRecorderTimerFrame,
  kRecorderTimerOn,
  kRecorderEveryLabel,
  kRecorderFlushEvery,
  kRecorderSecondsLabel,
};
enum SaveAsControl : int { kSaveAsLabel = 1, kSaveAsName, kSaveAsSave };
enum FastAdminEntryControl : int { kEntryNickLabel = 1, kEntryNick, kEntryCodeLabel, kEntryCode, kEntryAdd };
enum AboutControl : int { kAboutTitle = 1, kAboutBody };
enum ContactControl : int { kContactVisit = 1, kContactLink };

// The poll timer of the main window, and the message that frees the small
// windows closed from inside their own handlers.
inline constexpr unsigned kPollTimerId = 1;
inline constexpr unsigned kPollPeriodMs = 400;
inline constexpr unsigned kRetireToolsMessage = 0x8000 + 1;  // WM_APP + 1

// A query for tests only: the message registered under this name, sent to
// the main window with wParam a LiveKind (host/LiveCount.h), is answered with
// how many resources of that kind the program holds; with wParam
// kLiveQueryTicks, with how many poll-timer firings the window has handled.
// The long-run test of quorvel.exe watches its resources through it.
inline constexpr const char* kLiveCountMessageName = "Quorvel.LiveCount";
inline constexpr unsigned kLiveQueryTicks = 100;

}  // namespace quorvel
