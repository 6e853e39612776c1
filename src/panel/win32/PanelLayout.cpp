#include "panel/win32/PanelLayout.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <iterator>

#include "model/Feature.h"
#include "panel/FastAdminFrame.h"
#include "panel/GreeterTab.h"
#include "panel/Menus.h"
#include "panel/NickGrabber.h"
#include "panel/RecorderPanel.h"
#include "panel/win32/MainWindowIds.h"

namespace quorvel {

namespace {

constexpr int kFeatureRows = static_cast<int>(kAllFeatures.size());
constexpr int kIndicatorStep = 22;
// The "Status" frame holds a row per feature; the rest of the left column comes below it.
constexpr int kStatusHeight = 28 + kIndicatorStep * kFeatureRows;
constexpr int kBelowStatus = 6 + kStatusHeight + 6;
static_assert(kIndicatorFirst + kFeatureRows <= kPictureFirst && kPictureFirst + kFeatureRows <= kEnableAll,
              "the indicators' ids run into the next controls'");

// A row per feature: an on/off picture drawn by the program, and the label.
void AddIndicators(std::vector<PageControl>& layout) {
  for (int i = 0; i < kFeatureRows; ++i) {
    const int y = 26 + kIndicatorStep * i;
    layout.push_back({-1, {"STATIC", "", 20, y + 2, 14, 14, kPictureFirst + i, SS_OWNERDRAW}});
    layout.push_back({-1, {"STATIC", "", 40, y, 150, 18, kIndicatorFirst + i, SS_LEFT}});
  }
}

// One line of the flood guard's "Limits": words, a number, words, a number, words.
struct LimitLine {
  const char* Check;
  const char* Before;
  const char* First;
  const char* Between;
  const char* Second;
  const char* After;
};
constexpr LimitLine kLimitLines[] = {
    {"Messages:", "more than", "FloodMessages", "messages in", "FloodSeconds", "seconds"},
    {"Repeats:", "the same text", "RepeatTimes", "times in", "RepeatSeconds", "seconds"},
    {"Capitals:", "at least", "CapsLetters", "letters, over", "CapsPercent", "% of them capitals"},
    {"Joins:", "more than", "JoinFloodJoins", "joins in", "JoinFloodSeconds", "seconds pause the greeter"},
};
constexpr int kFloodTab = 6;
// Four words around each line's numbers, and the note below them.
static_assert(kFloodLimitsLabelFirst + 4 * std::size(kLimitLines) + 1 <= kHealthBar, "the labels run into the bar");

// The "Flood" tab: the guard's reaction, its switch, its warning and its numbers.
void AddFloodTab(std::vector<PageControl>& layout) {
  const PageControl fixed[] = {
      {kFloodTab, {"BUTTON", "Options", 0, 0, 130, 96, kFloodOptionsFrame, kGroup}},
      {kFloodTab, {"BUTTON", "Warning", 10, 20, 100, 20, kFloodWarning, kFirstRadio}, "FloodMode", "Warning"},
      {kFloodTab, {"BUTTON", "Bounce", 10, 44, 100, 20, kFloodBounce, kRadio}, "FloodMode", "Bounce"},
      {kFloodTab, {"BUTTON", "Red Dot", 10, 68, 100, 20, kFloodRedDot, kRadio}, "FloodMode", "RedDot"},
      {kFloodTab, {"BUTTON", "Warn First", 140, 0, 128, 96, kFloodWarnFirstFrame, kGroup}},
      {kFloodTab, {"BUTTON", "Yes", 150, 20, 80, 20, kFloodWarnYes, kFirstRadio}, "FloodWarnFirst", "Yes"},
      {kFloodTab, {"BUTTON", "No", 150, 44, 80, 20, kFloodWarnNo, kRadio}, "FloodWarnFirst", "No"},
      {kFloodTab, {"BUTTON", "Warn Message", 278, 0, 262, 132, kFloodMessageFrame, kGroup}},
      {kFloodTab, {kRichClass, "", 288, 20, 242, 102, kFloodMessage, kRich}, "FloodWarnMessage"},
      {kFloodTab, {"BUTTON", "Start", 0, 104, 80, 28, kFloodStart, kPush}, "Flood.Start"},
      {kFloodTab, {"BUTTON", "Stop", 86, 104, 80, 28, kFloodStop, kPush}, "Flood.Stop"},
      {kFloodTab, {"BUTTON", "Limits", 0, 140, 540, 184, kFloodLimitsFrame, kGroup}},
  };
  layout.insert(layout.end(), std::begin(fixed), std::end(fixed));
  int box = kFloodMessagesBox, label = kFloodLimitsLabelFirst;
  auto words = [&](const char* text, int x, int y, int w, DWORD align) {
    layout.push_back({kFloodTab, {"STATIC", text, x, y + 4, w, 18, label++, align | SS_NOPREFIX}});
  };
  auto number = [&](const char* row, int x, int y) {
    layout.push_back({kFloodTab, {"EDIT", "", x, y, 44, 22, box++, kBox | ES_NUMBER}, row});
  };
  int y = 162;
  for (const LimitLine& line : kLimitLines) {
    words(line.Check, 10, y, 70, SS_LEFT);
    words(line.Before, 82, y, 84, SS_RIGHT);
    number(line.First, 172, y);
    words(line.Between, 222, y, 80, SS_LEFT);
    number(line.Second, 304, y);
    // No wider than its words: Wine paints a label's empty end over the frame.
    words(line.After, 354, y, std::min(180, 7 * static_cast<int>(std::strlen(line.After)) + 4), SS_LEFT);
    y += 30;
  }
  layout.push_back({kFloodTab,
                    {"STATIC", "0 in a line's first box switches that check off. The numbers are kept in flood.txt.",
                     10, y + 6, 520, 32, label, SS_LEFT | SS_NOPREFIX}});
}

// The left column's controls below the indicators, the room frame and every
// tab's controls but the "Flood" tab's.
std::vector<PageControl> ColumnAndTabs() {
  return {
      {-1, {WC_TABCONTROLA, "", 204, 6, 558, 456, kTabs, WS_CLIPSIBLINGS | WS_TABSTOP}},
      // Left column and room frame.
      {-1, {"BUTTON", "Status", 8, 6, 190, kStatusHeight, kStatusFrame, kGroup}},
      {-1, {"BUTTON", "Enable All", 8, kBelowStatus, 190, 26, kEnableAll, kPush}, "EnableAll"},
      {-1, {"BUTTON", "Disable All", 8, kBelowStatus + 30, 190, 26, kDisableAll, kPush}, "DisableAll"},
      {-1, {"BUTTON", "Start", 8, kBelowStatus + 62, 92, 28, kStart, kPush}, "Start"},
      {-1, {"BUTTON", "Stop", 106, kBelowStatus + 62, 92, 28, kStop, kPush}, "Stop"},
      {-1, {"STATIC", "", 8, kBelowStatus + 98, 190, 150, kLineLabel, SS_LEFT | SS_NOPREFIX}, "RawLine"},
      {-1, {"BUTTON", "Room:", 8, 468, 754, 56, kRoomFrame, kGroup}},
      {-1, {"COMBOBOX", "", 20, 488, 730, 200, kRoomList, CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP}, "RoomList"},
      // "Admin"
      {0, {"BUTTON", "Admins", 0, 0, 265, 200, kAdminsFrame, kGroup}},
      {0, {"LISTBOX", "", 10, 20, 165, 140, kAdminList, kMultiList}, "AdminList"},
      {0, {"EDIT", "", 10, 166, 165, 22, kAdminBox, kBox}, "AdminBox"},
      {0, {"BUTTON", "AFN", 182, 20, 74, 26, kAdminAfn, kPush, "Add nicks from the room nick list."}, "Admins.AFN"},
      {0, {"BUTTON", "Save ", 182, 52, 74, 26, kAdminSave, kPush}, "Admins.Save"},
      {0, {"BUTTON", "Delete", 182, 84, 74, 26, kAdminDelete, kPush}, "Admins.Delete"},
      {0, {"BUTTON", "Add", 182, 164, 74, 26, kAdminAdd, kPush}, "Admins.Add"},
      {0, {"BUTTON", "Fast Admin", 275, 0, 265, 200, kFastFrame, kGroup}},
      {0, {"LISTBOX", "", 285, 20, 165, 170, kFastList, kMultiList}, "FastAdminNicks"},
      {0, {"BUTTON", "Join", 457, 20, 74, 26, kFastJoin, kPush}, "FastAdmin.Join"},
      {0, {"BUTTON", "Save", 457, 52, 74, 26, kFastSave, kPush}, "FastAdmin.Save"},
      {0, {"BUTTON", "Delete", 457, 84, 74, 26, kFastDelete, kPush}, "FastAdmin.Delete"},
      {0, {"BUTTON", "Add", 457, 164, 74, 26, kFastAdd, kPush}, "FastAdmin.Add"},
      {0, {"BUTTON", "Current Bot User", 0, 208, 265, 54, kBotUserFrame, kGroup}},
      {0, {"EDIT", "", 10, 228, 245, 22, kBotNickBox, kBox}, "BotNick"},
      {0, {"BUTTON", "Room Recorder", 275, 208, 265, 200, kRecorderFrame, kGroup}},
      {0, {"BUTTON", "Open Room Recorder Control Panel", 285, 228, 245, 26, kRecorderOpen, kPush}, "Recorder.Open"},
      {0, {"LISTBOX", "", 285, 260, 245, 138, kRecorderList, kList | WS_HSCROLL}, "RecorderBuffer"},
      // "Greeter"
      {1, {kRichClass, "", 0, 0, 360, 150, kEditor, kRich}, "EditorText"},
      {1, {"BUTTON", "Bold", 0, 156, 56, 26, kEditorBold, kPush}, "Greeter.Bold"},
      {1, {"BUTTON", "A", 62, 156, 30, 26, kEditorSize8, kPush}, "Greeter.Size8"},
      {1, {"BUTTON", "A", 96, 156, 30, 26, kEditorSize10, kPush}, "Greeter.Size10"},
      {1, {"BUTTON", "A", 130, 156, 30, 26, kEditorSize11, kPush}, "Greeter.Size11"},
      {1, {"BUTTON", "Color", 166, 156, 60, 26, kEditorColor, kPush}, "Greeter.Color"},
      {1, {"BUTTON", "Clear", 232, 156, 60, 26, kEditorClear, kPush}, "Greeter.Clear"},
      {1, {"BUTTON", "Save To List", 0, 188, 110, 26, kSaveToList, kPush}, "Greeter.SaveToList"},
      {1, {"BUTTON", "Delete", 116, 188, 76, 26, kDesignDelete, kPush}, "Greeter.Delete"},
      {1, {"BUTTON", "Cool Greetings", 370, 0, 170, 214, kCoolFrame, kGroup}},
      {1,
       {"LISTBOX", "", 378, 18, 154, 188, kDesignList, kMultiList | WS_HSCROLL},
       "DesignNames",
       nullptr,
       ControlFont::Tahoma},
      {1, {"BUTTON", "Random", 0, 222, 120, 70, kRandomFrame, kGroup}},
      {1, {"BUTTON", "Yes", 10, 242, 50, 20, kRandomYes, kFirstRadio}, "RandomDesign", "Yes"},
      {1, {"BUTTON", "No", 10, 264, 50, 20, kRandomNo, kRadio}, "RandomDesign", "No"},
      {1, {"BUTTON", "Fader Options", 128, 222, 204, 70, kDesignFaderFrame, kGroup}},
      {1, {"STATIC", "Color A:", 138, 244, 52, 18, kDesignColorALabel, SS_LEFT}},
      {1, {"STATIC", "", 192, 242, 30, 20, kDesignColorA, kSwatch}, "DesignFadeColorA"},
      {1, {"STATIC", "Color B:", 138, 266, 52, 18, kDesignColorBLabel, SS_LEFT}},
      {1, {"STATIC", "", 192, 264, 30, 20, kDesignColorB, kSwatch}, "DesignFadeColorB"},
      {1, {"BUTTON", "Fade", 240, 244, 80, 26, kDesignFade, kPush}, "Greeter.Fade"},
      {1, {"BUTTON", "Mode", 340, 222, 200, 70, kModeFrame, kGroup}},
      {1, {"BUTTON", "Whisper", 350, 242, 90, 20, kModeWhisper, kFirstRadio}, "GreetMode", "Whisper"},
      {1, {"BUTTON", "Regular", 350, 264, 90, 20, kModeRegular, kRadio}, "GreetMode", "Regular"},
      {1, {"BUTTON", "Start", 0, 302, 80, 28, kGreeterStart, kPush}, "Greeter.Start"},
      {1, {"BUTTON", "Stop", 86, 302, 80, 28, kGreeterStop, kPush}, "Greeter.Stop"},
      {1, {"BUTTON", "Enable JRM", 180, 296, 150, 50, kJrmFrame, kGroup}},
      {1, {"BUTTON", "Enable", 192, 314, 80, 24, kJrmEnable, kPush}, "JRM.Enable"},
      // "SwearBot"
      {2, {"BUTTON", "Monitor Phrases", 0, 0, 265, 220, kPhrasesFrame, kGroup}},
      {2, {"LISTBOX", "", 10, 20, 165, 160, kPhraseList, kMultiList}, "SwearList"},
      {2, {"EDIT", "", 10, 186, 165, 22, kPhraseBox, kBox}, "PhraseBox"},
      {2, {"BUTTON", "Add", 182, 184, 74, 26, kPhraseAdd, kPush}, "Phrases.Add"},
      {2, {"BUTTON", "Delete", 182, 20, 74, 26, kPhraseDelete, kPush}, "Phrases.Delete"},
      {2, {"BUTTON", "Save", 182, 52, 74, 26, kPhraseSave, kPush}, "Phrases.Save"},
      {2, {"BUTTON", "Options", 275, 0, 130, 96, kSwearOptionsFrame, kGroup}},
      {2, {"BUTTON", "Bounce", 285, 20, 100, 20, kSwearBounce, kFirstRadio}, "SwearMode", "Bounce"},
      {2, {"BUTTON", "Red Dot", 285, 44, 100, 20, kSwearRedDot, kRadio}, "SwearMode", "RedDot"},
      {2, {"BUTTON", "Warning", 285, 68, 100, 20, kSwearWarning, kRadio}, "SwearMode", "Warning"},
      {2, {"BUTTON", "Warning", 412, 0, 128, 96, kWarnFrame, kGroup}},
      {2, {"BUTTON", "Yes", 422, 20, 80, 20, kWarnYes, kFirstRadio}, "WarnFirst", "Yes"},
      {2, {"BUTTON", "No", 422, 44, 80, 20, kWarnNo, kRadio}, "WarnFirst", "No"},
      {2, {"BUTTON", "Start", 275, 104, 80, 28, kSwearStart, kPush}, "Swearbot.Start"},
      {2, {"BUTTON", "Stop", 361, 104, 80, 28, kSwearStop, kPush}, "Swearbot.Stop"},
      {2, {"BUTTON", "Users Warned", 275, 140, 265, 160, kWarnedFrame, kGroup}},
      {2, {"LISTBOX", "", 285, 160, 165, 130, kWarnedList, kMultiList}, "WarnedUsers"},
      {2, {"BUTTON", "Remove", 457, 160, 74, 26, kWarnedRemove, kPush}, "WarnedUsers.Remove"},
      {2, {"BUTTON", "Warn Messege", 0, 228, 265, 110, kWarnMessageFrame, kGroup}},
      {2, {kRichClass, "", 10, 248, 245, 80, kWarnMessage, kRich}, "WarnMessage"},
      // "An/Res"
      {3, {"BUTTON", "Fader Options", 0, 0, 170, 56, kMsgFaderFrame, kGroup}},
      {3, {"STATIC", "A:", 10, 26, 18, 18, kMsgColorALabel, SS_LEFT}},
      {3, {"STATIC", "", 30, 24, 30, 20, kMsgColorA, kSwatch}, "MessageFadeColorA"},
      {3, {"STATIC", "B:", 80, 26, 18, 18, kMsgColorBLabel, SS_LEFT}},
      {3, {"STATIC", "", 100, 24, 30, 20, kMsgColorB, kSwatch}, "MessageFadeColorB"},
      {3, {"BUTTON", "Options", 178, 0, 362, 56, kStyleFrame, kGroup}},
      {3, {"BUTTON", "U", 188, 24, 36, 20, kStyleUnderline, kCheck, "Underline"}, "StyleUnderline"},
      {3, {"BUTTON", "I", 226, 24, 34, 20, kStyleItalic, kCheck, "Italic"}, "StyleItalic"},
      {3, {"BUTTON", "Fade", 262, 24, 54, 20, kStyleFade, kCheck}, "StyleFade"},
      {3, {"STATIC", "", 318, 24, 30, 20, kStyleColor, kSwatch}, "StyleColor"},
      {3, {"BUTTON", "A", 354, 24, 36, 20, kStyleSize8, kCheck}, "StyleSize", "8", ControlFont::Size8},
      {3, {"BUTTON", "A", 392, 24, 36, 20, kStyleSize10, kCheck}, "StyleSize", "10", ControlFont::Size10},
      {3, {"BUTTON", "A", 430, 24, 40, 20, kStyleSize12, kCheck}, "StyleSize", "12", ControlFont::Size12},
      {3, {"BUTTON", "Bold", 476, 24, 56, 20, kStyleBold, kCheck}, "StyleBold"},
      {3, {"BUTTON", "Responder", 0, 62, 540, 170, kResponderFrame, kGroup}},
      {3, {"LISTBOX", "", 10, 82, 150, 110, kTriggerList, kMultiList}, "ResponderTriggers"},
      {3, {"LISTBOX", "", 166, 82, 150, 110, kReplyList, kList}, "ResponderReplies"},
      {3, {"EDIT", "", 10, 198, 150, 22, kMessageBox, kBox}, "ResponderMessageBox"},
      {3, {"EDIT", "", 166, 198, 150, 22, kResponseBox, kBox}, "ResponderResponseBox"},
      {3, {"BUTTON", "Add", 326, 82, 68, 26, kResponderAdd, kPush}, "Responder.Add"},
      {3, {"BUTTON", "Delete", 326, 112, 68, 26, kResponderDelete, kPush}, "Responder.Delete"},
      {3, {"BUTTON", "Save", 326, 142, 68, 26, kResponderSave, kPush}, "Responder.Save"},
      {3, {"BUTTON", "Start", 400, 82, 68, 26, kResponderStart, kPush}, "Responder.Start"},
      {3, {"BUTTON", "Stop", 400, 112, 68, 26, kResponderStop, kPush}, "Responder.Stop"},
      {3, {"BUTTON", "Clear", 400, 142, 68, 26, kResponderClear, kPush}, "Responder.Clear"},
      {3, {"BUTTON", "Anouncer", 0, 238, 540, 170, kAnnouncerFrame, kGroup}},
      {3, {"LISTBOX", "", 10, 258, 230, 110, kAnnounceList, kList | WS_HSCROLL}, "AnnounceList"},
      {3, {"EDIT", "", 10, 374, 230, 22, kAnnounceBox, kBox}, "AnnounceInputBox"},
      {3, {"BUTTON", "Add", 248, 258, 68, 26, kAnnounceAdd, kPush}, "Anouncer.Add"},
      {3, {"BUTTON", "Delete", 248, 288, 68, 26, kAnnounceDelete, kPush}, "Anouncer.Delete"},
      {3, {"BUTTON", "Clear", 248, 318, 68, 26, kAnnounceClear, kPush}, "Anouncer.Clear"},
      {3, {"BUTTON", "Start", 322, 258, 68, 26, kAnnounceStart, kPush}, "Anouncer.Start"},
      {3, {"BUTTON", "Stop", 322, 288, 68, 26, kAnnounceStop, kPush}, "Anouncer.Stop"},
      {3, {"STATIC", "T:", 322, 324, 16, 18, kIntervalLabel, SS_LEFT}},
      {3, {"EDIT", "", 340, 320, 50, 22, kIntervalBox, kBox}, "AnnounceInterval"},
      {3, {"BUTTON", "Options", 400, 254, 130, 96, kAnnounceModeFrame, kGroup}},
      {3, {"BUTTON", "Multi", 410, 274, 100, 20, kModeMulti, kFirstRadio}, "AnnounceMode", "Multi"},
      {3, {"BUTTON", "Singl", 410, 298, 100, 20, kModeSingle, kRadio}, "AnnounceMode", "Singl"},
      {3, {"BUTTON", "Rand", 410, 322, 100, 20, kModeRand, kRadio}, "AnnounceMode", "Rand"},
      // "Bc/Dot"
      {4, {"BUTTON", "Manual", 0, 0, 265, 56, kManualFrame, kGroup}},
      {4, {"BUTTON", "Bounce", 10, 20, 100, 26, kManualBounce, kPush}, "Manual.Bounce"},
      {4, {"BUTTON", "Red Dot", 116, 20, 100, 26, kManualRedDot, kPush}, "Manual.RedDot"},
      {4, {"BUTTON", "Hot Keys", 275, 0, 265, 56, kHotKeysFrame, kGroup}},
      {4, {"STATIC", "F7 To Bounce", 285, 24, 110, 18, kHotKeyF7, SS_LEFT}},
      {4, {"STATIC", "F8 To Red Dot", 405, 24, 120, 18, kHotKeyF8, SS_LEFT}},
      {4, {"BUTTON", "RedDot Message", 0, 62, 265, 96, kRedDotFrame, kGroup}},
      {4, {kRichClass, "", 10, 80, 245, 68, kRedDotMessage, kRich}, "RedDotMessage"},
      {4, {"BUTTON", "Bounce Message", 275, 62, 265, 96, kBounceFrame, kGroup}},
      {4, {kRichClass, "", 285, 80, 245, 68, kBounceMessage, kRich}, "BounceMessage"},
      {4, {"BUTTON", "AutoBounce", 0, 164, 265, 230, kAutoBounceFrame, kGroup}},
      {4, {"LISTBOX", "", 10, 184, 165, 170, kAutoBounceList, kMultiList}, "AutoBounceList"},
      {4, {"EDIT", "", 10, 360, 165, 22, kAutoBounceBox, kBox}, "AutobounceBox"},
      {4, {"BUTTON", "Add", 182, 358, 74, 26, kAutoBounceAdd, kPush}, "Autobounce.Add"},
      {4, {"BUTTON", "S", 182, 184, 34, 26, kAutoBounceSave, kPush, "Save"}, "Autobounce.S"},
      {4, {"BUTTON", "D", 222, 184, 34, 26, kAutoBounceDelete, kPush, "Delete"}, "Autobounce.D"},
      {4, {"BUTTON", "Start", 182, 216, 74, 26, kAutoBounceStart, kPush}, "Autobounce.Start"},
      {4, {"BUTTON", "Stop", 182, 248, 74, 26, kAutoBounceStop, kPush}, "Autobounce.Stop"},
      {4, {"BUTTON", "AutoRedot", 275, 164, 265, 230, kAutoRedotFrame, kGroup}},
      {4, {"LISTBOX", "", 285, 184, 165, 170, kAutoRedotList, kMultiList}, "AutoRedotList"},
      {4, {"EDIT", "", 285, 360, 165, 22, kAutoRedotBox, kBox}, "AutoRedotBox"},
      {4, {"BUTTON", "Add", 457, 358, 74, 26, kAutoRedotAdd, kPush}, "AutoRedot.Add"},
      {4, {"BUTTON", "S", 457, 184, 34, 26, kAutoRedotSave, kPush, "Save"}, "AutoRedot.S"},
      {4, {"BUTTON", "D", 497, 184, 34, 26, kAutoRedotDelete, kPush, "Delete"}, "AutoRedot.D"},
      {4, {"BUTTON", "Start", 457, 216, 74, 26, kAutoRedotStart, kPush}, "AutoRedot.Start"},
      {4, {"BUTTON", "Stop", 457, 248, 74, 26, kAutoRedotStop, kPush}, "AutoRedot.Stop"},
      {4,
       {"BUTTON", "Log moderation", 0, 400, 160, 20, kLogModeration, kCheck,
        "Append each bounce, red dot and warning to \"moderation log.txt\"."},
       "LogModeration"},
      // "Stats"
      {5, {"STATIC", "Total Visits:", 0, 4, 110, 18, kTotalLabel, SS_LEFT}},
      {5, {"STATIC", "0", 112, 4, 60, 18, kTotalValue, SS_LEFT}, "TotalVisits"},
      {5, {"STATIC", "Total Unique Visits:", 180, 4, 120, 18, kUniqueLabel, SS_LEFT}},
      {5, {"STATIC", "0", 302, 4, 60, 18, kUniqueValue, SS_LEFT}, "UniqueVisits"},
      {5, {"STATIC", "Current Users:", 370, 4, 90, 18, kUsersLabel, SS_LEFT}},
      {5, {"STATIC", "0", 462, 4, 60, 18, kUserCountLabel, SS_LEFT}, "UserCountLabel"},
      {5, {"BUTTON", "Visitors Stats", 0, 28, 400, 300, kVisitorsFrame, kGroup}},
      {5, {"STATIC", "Nicks:", 10, 46, 140, 18, kNicksHeader, SS_LEFT}},
      {5, {"STATIC", "#", 156, 46, 50, 18, kCountHeader, SS_LEFT}},
      {5, {"STATIC", "Last Seen:", 212, 46, 178, 18, kSeenHeader, SS_LEFT}},
      {5, {"LISTBOX", "", 10, 66, 140, 252, kVisitorNicks, kList}, "VisitorNicks"},
      {5, {"LISTBOX", "", 156, 66, 50, 252, kVisitorCounts, kList}, "VisitorCounts"},
      {5, {"LISTBOX", "", 212, 66, 178, 252, kVisitorSeen, kList}, "VisitorLastSeen"},
      {5, {"BUTTON", "Clear Stats", 0, 336, 100, 28, kClearStats, kPush}, "Stats.Clear"},
      {5, {"BUTTON", "Save", 106, 336, 80, 28, kSaveStats, kPush}, "Stats.Save"},
      {5, {"BUTTON", "Load", 192, 336, 80, 28, kLoadStats, kPush}, "Stats.Load"},
      {5, {"BUTTON", "Last Visitor", 410, 28, 130, 56, kLastVisitorFrame, kGroup}},
      {5, {"EDIT", "", 420, 48, 110, 22, kLastVisitorBox, kBox | ES_READONLY}, "LastVisitorBox"},
      {5, {"BUTTON", "Time/Date", 410, 92, 130, 56, kTimeFrame, kGroup}},
      {5, {"STATIC", "Time", 420, 114, 116, 28, kClockLabel, SS_LEFT}, "ClockLabel"},
  };
}

}  // namespace

const std::vector<PageControl>& PanelLayout() {
  static const std::vector<PageControl> layout = [] {
    std::vector<PageControl> all;
    AddIndicators(all);
    const std::vector<PageControl> rest = ColumnAndTabs();
    all.insert(all.end(), rest.begin(), rest.end());
    AddFloodTab(all);
    // Below everything, what the last tick found of the room's windows. Its
    // tips are the HealthBar's: the control's own would show a second one.
    all.push_back({.Tab = -1, .Control = {STATUSCLASSNAMEA, "", 0, 0, 0, 0, kHealthBar, 0}, .PlacesItself = true});
    return all;
  }();
  return layout;
}

ToolControl InWindow(const PageControl& pc) {
  ToolControl c = pc.Control;
  if (pc.Tab >= 0) {
    c.X += kPageX;
    c.Y += kPageY;
  }
  return c;
}

namespace {

SmallWindowLayout Window(const char* caption, int width, int height, std::vector<SmallWindowControl> controls) {
  return {caption, width, height, false, std::move(controls)};
}

// Shown modal, closed by its button.
SmallWindowLayout Modal(const char* caption, int width, int height, std::vector<SmallWindowControl> controls) {
  return {caption, width, height, true, std::move(controls)};
}

}  // namespace

const std::vector<SmallWindowLayout>& SmallWindowLayouts() {
  static const std::vector<SmallWindowLayout> windows = {
      Window(
          kGrabberCaption, 240, 320,
          {{{"LISTBOX", "", 10, 10, 220, 240, kGrabberList, kList, "Double Click nick to add to the admin nick list."},
            "Grabber.Add"},
           {{"BUTTON", "Refresh", 10, 260, 100, 28, kGrabberRefresh, kPush}, "Grabber.Refresh"},
           {{"BUTTON", "Add All @", 120, 260, 110, 28, kGrabberAddAll, kPush,
             "This will add all the nicks that are @ in the room."},
            "Grabber.AddAll"}}),
      Window(kRecorderCaption, 420, 300,
             {{{"BUTTON", "Start", 10, 10, 80, 28, kRecorderStart, kPush}, "Recorder.Start"},
              {{"BUTTON", "Stop", 96, 10, 80, 28, kRecorderStop, kPush}, "Recorder.Stop"},
              {{"BUTTON", "Save", 182, 10, 80, 28, kRecorderSave, kPush}, "Recorder.Save"},
              {{"EDIT", "", 10, 48, 250, 22, kRecorderSearchBox, kBox}, "SearchBox"},
              {{"BUTTON", "Search", 268, 46, 80, 28, kRecorderSearch, kPush}, "Recorder.Search"},
              {{"STATIC", "", 10, 80, 400, 18, kRecorderSearchLabel, SS_LEFT}},
              {{"LISTBOX", "", 10, 100, 400, 120, kRecorderResults, kList}},
              {{"BUTTON", "Record Timer", 10, 226, 400, 60, kRecorderTimerFrame, kGroup}},
              {{"BUTTON", "On", 20, 250, 50, 20, kRecorderTimerOn, kCheck}, "FlushTimerOn"},
              {{"STATIC", "Every", 80, 252, 40, 18, kRecorderEveryLabel, SS_LEFT}},
              {{"EDIT", "", 122, 248, 50, 22, kRecorderFlushEvery, kBox}, "FlushEvery", true},
              {{"STATIC", "Seconds", 180, 252, 60, 18, kRecorderSecondsLabel, SS_LEFT}}}),
      Window(kSaveAsCaption, 300, 90,
             {{{"STATIC", "Save As:", 10, 14, 60, 18, kSaveAsLabel, SS_LEFT}},
              {{"EDIT", "", 72, 10, 216, 22, kSaveAsName, kBox}, "SaveAsName"},
              {{"BUTTON", "Save", 208, 50, 80, 28, kSaveAsSave, kPush | BS_DEFPUSHBUTTON}, "SaveAs.Save"}}),
      Window(kFastAdminEntryCaption, 260, 120,
             {{{"STATIC", "Nick:", 10, 14, 40, 18, kEntryNickLabel, SS_LEFT}},
              {{"EDIT", "", 56, 10, 194, 22, kEntryNick, kBox}, "FastAdminNick"},
              {{"STATIC", "Code:", 10, 46, 40, 18, kEntryCodeLabel, SS_LEFT}},
              {{"EDIT", "", 56, 42, 194, 22, kEntryCode, kBox | ES_PASSWORD}, "FastAdminCode"},
              {{"BUTTON", "Add", 170, 80, 80, 28, kEntryAdd, kPush | BS_DEFPUSHBUTTON}, "FastAdminEntry.Add"}}),
      Modal(kAboutCaption, 320, 150,
            {{{"STATIC", kProgramName, 10, 10, 300, 22, kAboutTitle, SS_CENTER}},
             {{"STATIC", kAboutText, 10, 40, 300, 60, kAboutBody, SS_LEFT}},
             {{"BUTTON", "OK", 120, 110, 80, 28, IDOK, kPush | BS_DEFPUSHBUTTON}}}),
      Modal(kContactCaption, 320, 150,
            {{{"STATIC", "Visit", 10, 14, 40, 18, kContactVisit, SS_LEFT}},
             {{"STATIC", kMakerAddress, 54, 14, 256, 18, kContactLink, SS_LEFT | SS_NOTIFY}, "Contact.Link"},
             {{"BUTTON", "Ok", 120, 110, 80, 28, IDOK, kPush | BS_DEFPUSHBUTTON}}}),
  };
  return windows;
}

const SmallWindowLayout* SmallWindowNamed(const std::string& caption) {
  for (const SmallWindowLayout& w : SmallWindowLayouts())
    if (caption == w.Caption) return &w;
  return nullptr;
}

}  // namespace quorvel
