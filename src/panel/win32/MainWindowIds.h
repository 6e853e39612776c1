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
  kAdminsFrame = 200, kAdminList, kAdminBox, kAdminAfn, kAdminSave, kAdminDelete, kAdminAdd,
  kFastFrame, kFastList, kFastJoin, kFastSave, kFastDelete, kFastAdd,
  kBotUserFrame, kBotNickBox, kRecorderFrame, kRecorderOpen, kRecorderList,
  // "Greeter"
  kEditor = 300, kEditorBold, kEditorSize8, kEditorSize10, kEditorSize11, kEditorColor, kEditorClear,
  kCoolFrame, kDesignList, kSaveToList, kDesignDelete, kRandomFrame, kRandomYes, kRandomNo,
  kDesignFaderFrame, kDesignColorALabel, kDesignColorA, kDesignColorBLabel, kDesignColorB, kDesignFade,
  kModeFrame, kModeWhisper, kModeRegular, kGreeterStart, kGreeterStop, kJrmFrame, kJrmEnable,
  // "SwearBot"
  kPhrasesFrame = 400, kPhraseList, kPhraseBox, kPhraseAdd, kPhraseDelete, kPhraseSave,
  kSwearOptionsFrame, kSwearBounce, kSwearRedDot, kSwearWarning, kWarnFrame, kWarnYes, kWarnNo,
  kSwearStart, kSwearStop, kWarnedFrame, kWarnedList, kWarnedRemove, kWarnMessageFrame, kWarnMessage,
  // "An/Res"
  kMsgFaderFrame = 500, kMsgColorALabel, kMsgColorA, kMsgColorBLabel, kMsgColorB,
  kStyleFrame, kStyleUnderline, kStyleItalic, kStyleFade, kStyleColor, kStyleSize8, kStyleSize10, kStyleSize12,
  kStyleBold, kResponderFrame, kTriggerList, kReplyList, kMessageBox, kResponseBox, kResponderAdd,
  kResponderDelete, kResponderSave, kResponderStart, kResponderStop, kResponderClear,
  kAnouncerFrame, kAnnounceList, kAnnounceBox, kAnnounceAdd, kAnnounceDelete, kAnnounceClear, kAnnounceStart,
  kAnnounceStop, kIntervalLabel, kIntervalBox, kAnnounceModeFrame, kModeMulti, kModeSingl, kModeRand,
  // "Bc/Dot"
  kManualFrame = 600, kManualBounce, kManualRedDot, kHotKeysFrame, kHotKeyF7, kHotKeyF8,
  kRedDotFrame, kRedDotMessage, kBounceFrame, kBounceMessage,
  kAutoBounceFrame, kAutoBounceList, kAutoBounceBox, kAutoBounceAdd, kAutoBounceSave, kAutoBounceStart,
  kAutoBounceStop, kAutoBounceDelete,
  kAutoRedotFrame, kAutoRedotList, kAutoRedotBox, kAutoRedotAdd, kAutoRedotSave, kAutoRedotStart,
  kAutoRedotStop, kAutoRedotDelete,
  // "Stats"
  kTotalLabel = 700, kTotalValue, kUniqueLabel, kUniqueValue, kUsersLabel, kUserCountLabel,
  kVisitorsFrame, kNicksHeader, kCountHeader, kSeenHeader, kVisitorNicks, kVisitorCounts, kVisitorSeen,
  kClearStats, kSaveStats, kLoadStats, kLastVisitorFrame, kLastVisitorBox, kTimeFrame, kClockLabel,
  // menus
  kMenuAbout = 900, kMenuHelp, kMenuContact,
};

}  // namespace quorvel
