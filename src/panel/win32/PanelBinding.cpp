#include "panel/win32/PanelBinding.h"

#include "panel/AdminsFrame.h"
#include "panel/AnResTab.h"
#include "panel/FastAdminFrame.h"
#include "panel/FeatureSwitch.h"
#include "panel/GreeterTab.h"
#include "panel/Menus.h"
#include "panel/ModerationPanel.h"
#include "panel/NickGrabber.h"
#include "panel/Polling.h"
#include "panel/RecorderPanel.h"
#include "panel/StatsFrame.h"
#include "panel/win32/MainWindowIds.h"

namespace quorvel {

std::string* BoxText(BotSettings& s, int id) {
  switch (id) {
    case kAdminBox:
      return &s.Panel.AdminBox;
    case kBotNickBox:
      return &s.BotNick;
    case kPhraseBox:
      return &s.Panel.PhraseBox;
    case kMessageBox:
      return &s.Panel.ResponderMessageBox;
    case kResponseBox:
      return &s.Panel.ResponderResponseBox;
    case kAnnounceBox:
      return &s.Panel.AnnounceInputBox;
    case kIntervalBox:
      return &s.Announcer.AnnounceInterval;
    case kAutoBounceBox:
      return &s.Panel.AutobounceBox;
    case kAutoRedotBox:
      return &s.Panel.AutoRedotBox;
    case kLastVisitorBox:
      return &s.Panel.LastVisitorBox;
    default:
      return nullptr;
  }
}

PanelList* ListOf(BotSettings& s, int id) {
  switch (id) {
    case kAdminList:
      return &s.Admins.AdminList;
    case kFastList:
      return &s.FastAdmin.FastAdminNicks;
    case kRecorderList:
      return &s.Recorder.RecorderBuffer;
    case kDesignList:
      return &s.Greeter.DesignNames;
    case kPhraseList:
      return &s.Swear.SwearList;
    case kWarnedList:
      return &s.Swear.WarnedUsers;
    case kTriggerList:
      return &s.Responder.ResponderTriggers;
    case kReplyList:
      return &s.Responder.ResponderReplies;
    case kAnnounceList:
      return &s.Announcer.AnnounceList;
    case kAutoBounceList:
      return &s.Moderation.AutoBounceList;
    case kAutoRedotList:
      return &s.Moderation.AutoRedotList;
    case kVisitorNicks:
      return &s.Stats.VisitorNicks;
    case kVisitorCounts:
      return &s.Stats.VisitorCounts;
    case kVisitorSeen:
      return &s.Stats.VisitorLastSeen;
    default:
      return nullptr;
  }
}

RichText* MessageOf(BotSettings& s, int id) {
  switch (id) {
    case kWarnMessage:
      return &s.Messages.WarnMessage;
    case kRedDotMessage:
      return &s.Messages.RedDotMessage;
    case kBounceMessage:
      return &s.Messages.BounceMessage;
    default:
      return nullptr;
  }
}

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

int ControlOf(PanelListId list) {
  switch (list) {
    case PanelListId::AdminList:
      return kAdminList;
    case PanelListId::FastAdminNicks:
      return kFastList;
    case PanelListId::RecorderBuffer:
      return kRecorderList;
    case PanelListId::DesignNames:
      return kDesignList;
    case PanelListId::SwearList:
      return kPhraseList;
    case PanelListId::WarnedUsers:
      return kWarnedList;
    case PanelListId::ResponderTriggers:
      return kTriggerList;
    case PanelListId::ResponderReplies:
      return kReplyList;
    case PanelListId::AnnounceList:
      return kAnnounceList;
    case PanelListId::AutoBounceList:
      return kAutoBounceList;
    case PanelListId::AutoRedotList:
      return kAutoRedotList;
    case PanelListId::VisitorNicks:
      return kVisitorNicks;
    case PanelListId::VisitorCounts:
      return kVisitorCounts;
    case PanelListId::VisitorLastSeen:
      return kVisitorSeen;
    case PanelListId::GrabberList:
    case PanelListId::SearchResults:
      break;
  }
  return 0;
}

int ControlOf(PanelBox box) {
  switch (box) {
    case PanelBox::AdminBox:
      return kAdminBox;
    case PanelBox::BotNick:
      return kBotNickBox;
    case PanelBox::PhraseBox:
      return kPhraseBox;
    case PanelBox::ResponderMessageBox:
      return kMessageBox;
    case PanelBox::ResponderResponseBox:
      return kResponseBox;
    case PanelBox::AnnounceInputBox:
      return kAnnounceBox;
    case PanelBox::AnnounceInterval:
      return kIntervalBox;
    case PanelBox::AutobounceBox:
      return kAutoBounceBox;
    case PanelBox::AutoRedotBox:
      return kAutoRedotBox;
    case PanelBox::LastVisitorBox:
      return kLastVisitorBox;
  }
  return 0;
}

int ControlOf(PanelLabel label) {
  switch (label) {
    case PanelLabel::Clock:
      return kClockLabel;
    case PanelLabel::UserCount:
      return kUserCountLabel;
    case PanelLabel::TotalVisits:
      return kTotalValue;
    case PanelLabel::UniqueVisits:
      return kUniqueValue;
    case PanelLabel::Line:
      return kLineLabel;
    case PanelLabel::SearchLabel:
      break;
  }
  return 0;
}

const std::vector<int>& OptionControls() {
  static const std::vector<int> ids = {kRandomYes,   kRandomNo,     kModeWhisper,    kModeRegular, kSwearBounce,
                                       kSwearRedDot, kSwearWarning, kWarnYes,        kWarnNo,      kModeMulti,
                                       kModeSingl,   kModeRand,     kStyleUnderline, kStyleItalic, kStyleFade,
                                       kStyleBold,   kStyleSize8,   kStyleSize10,    kStyleSize12};
  return ids;
}

const std::vector<int>& SwatchControls() {
  static const std::vector<int> ids = {kDesignColorA, kDesignColorB, kMsgColorA, kMsgColorB, kStyleColor};
  return ids;
}

bool OptionChecked(const BotSettings& s, int id) {
  using GM = BotSettings::GreetModes;
  using SM = BotSettings::SwearModes;
  using WF = BotSettings::WarnFirstChoice;
  using AM = BotSettings::AnnounceModes;
  switch (id) {
    case kRandomYes:
      return s.Greeter.RandomDesign;
    case kRandomNo:
      return !s.Greeter.RandomDesign;
    case kModeWhisper:
      return s.Greeter.GreetMode == GM::Whisper;
    case kModeRegular:
      return s.Greeter.GreetMode == GM::Regular;
    case kSwearBounce:
      return s.Swear.SwearMode == SM::Bounce;
    case kSwearRedDot:
      return s.Swear.SwearMode == SM::RedDot;
    case kSwearWarning:
      return s.Swear.SwearMode == SM::Warning;
    case kWarnYes:
      return s.Swear.WarnFirst == WF::Yes;
    case kWarnNo:
      return s.Swear.WarnFirst == WF::No;
    case kModeMulti:
      return s.Announcer.AnnounceMode == AM::Multi;
    case kModeSingl:
      return s.Announcer.AnnounceMode == AM::Singl;
    case kModeRand:
      return s.Announcer.AnnounceMode == AM::Rand;
    case kStyleUnderline:
      return s.Style.StyleUnderline;
    case kStyleItalic:
      return s.Style.StyleItalic;
    case kStyleFade:
      return s.Style.StyleFade;
    case kStyleBold:
      return s.Style.StyleBold;
    case kStyleSize8:
      return s.Style.StyleSize == 8;
    case kStyleSize10:
      return s.Style.StyleSize == 10;
    case kStyleSize12:
      return s.Style.StyleSize == 12;
    default:
      return false;
  }
}

std::uint32_t SwatchColor(const BotSettings& s, int id) {
  switch (id) {
    case kDesignColorA:
      return s.Style.DesignFadeColorA;
    case kDesignColorB:
      return s.Style.DesignFadeColorB;
    case kMsgColorA:
      return s.Style.MessageFadeColorA;
    case kMsgColorB:
      return s.Style.MessageFadeColorB;
    case kStyleColor:
      return s.Style.StyleColor;
    default:
      return 0;
  }
}

}  // namespace quorvel
