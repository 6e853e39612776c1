#pragma once
// Everything the features read and write, owned by the main window for the
// whole run. Nothing here is saved; every run starts from these defaults.
#include <string>

#include "model/ArgumentSlots.h"
#include "model/ChatLine.h"
#include "model/Feature.h"
#include "model/PanelList.h"
#include "roomlink/RoomLinkState.h"
#include "styling/RichText.h"
#include "styling/TextStyle.h"

namespace quorvel {

struct BotSettings {
  RoomLinkState Room;
  ChatLine Line;
  ArgumentSlots Args;

  // Feature flags; change them only through SetFeature, which keeps the
  // indicator labels in step.
  bool GreeterOn = false;
  bool SwearbotOn = false;
  bool AnnouncerOn = false;
  bool AutoBounceOn = false;
  bool AutoRedotOn = false;
  bool ResponderOn = false;
  std::string GreeterLabel = "Greeter Off";
  std::string SwearbotLabel = "Swearbot Off";
  std::string AnouncerLabel = "Anouncer Off";
  std::string AutobounceLabel = "Autobounce Off";
  std::string AutoRedotLabel = "AutoRedot Off";
  std::string ResponderLabel = "Responder Off";

  // Greeter and the greeting-design editor.
  enum class GreetModes { Regular, Whisper };
  GreetModes GreetMode = GreetModes::Regular;
  bool RandomDesign = false;
  RichText DesignEditor;
  size_t EditorSelStart = 0;  // the editor's selection, in characters of its text
  size_t EditorSelLength = 0;
  RichText GreetBuffer;
  RichText WhisperPrefix = RichText::FromPlainText("/w ");
  RichText WhisperSeparator = RichText::FromPlainText(": ");
  RichText WhisperNickBox;
  PanelList DesignFiles;
  PanelList DesignNames;
  bool SaveAsOpen = false;  // the "Save Greeter As:" dialog
  std::string SaveAsName;
  // The colour the colour dialog holds: the last one picked anywhere.
  std::uint32_t DialogColor = 0;

  TextStyle Style;

  // Messages and compose buffers.
  RichText WarnMessage = RichText::FromPlainText("sn% don't say sw% in this room.");
  RichText WarnBuffer;
  RichText BounceMessage = RichText::FromPlainText("sn% bounce by ad%");
  RichText BounceBuffer;
  RichText RedDotMessage = RichText::FromPlainText("sn% reddot status change by ad%");
  RichText RedDotBuffer;
  RichText ReplyBuffer;
  RichText AnnounceBuffer;
  RichText NoticeBuffer;

  // Lists of the panel, loaded at start-up from the program directory.
  PanelList AdminList;
  std::string AdminBox;
  PanelList SwearList;
  PanelList WarnedUsers;
  PanelList FastAdminNicks;
  PanelList FastAdminCodes;
  PanelList AutoBounceList;
  PanelList AutoRedotList;
  PanelList ResponderTriggers;
  PanelList ResponderReplies;
  PanelList AnnounceList;

  // Swear monitor.
  enum class SwearModes { Bounce, RedDot, Warning };
  enum class WarnFirstChoice { Neither, Yes, No };
  SwearModes SwearMode = SwearModes::Bounce;
  WarnFirstChoice WarnFirst = WarnFirstChoice::Neither;  // neither counts as "No"
  std::string LastPunishedNick;
  std::string MatchedPhrase;
  std::string PhraseBox;

  // Moderation: the room's nicks as read for one action, and the target's place.
  std::vector<std::string> RoomNickList;
  std::string NickListIndex;
  std::string AutobounceBox;
  std::string AutoRedotBox;

  // The nick grabber window.
  bool GrabberOpen = false;
  std::vector<std::string> GrabberList;

  // Responder.
  std::string ResponderMessageBox = "Message";
  std::string ResponderResponseBox = "Response";
  std::string LastReply;

  // Announcer.
  enum class AnnounceModes { Multi, Singl, Rand };
  AnnounceModes AnnounceMode = AnnounceModes::Singl;
  std::string AnnounceInterval = "30";
  std::string AnnounceCounter = "0";
  std::string AnnounceInputBox;

  // Visitor statistics.
  PanelList VisitorNicks;
  PanelList VisitorCounts;
  PanelList VisitorLastSeen;
  std::string TotalVisits = "0";
  std::string UniqueVisits = "0";

  // Room recorder and its panel.
  bool RecorderOpen = false;
  PanelList RecorderBuffer;
  bool RecordingOn = false;
  std::string LastRecordedText;
  bool FlushTimerOn = false;
  std::string FlushEvery = "5";
  std::string FlushCounter = "0";
  std::string SearchBox;
  PanelList SearchResults;
  std::string SearchLabel = "Search Results";

  // Fast-admin join.
  std::vector<std::string> DialogRoomList;
  std::string DialogRoomIndex;
  bool FastAdminEntryOpen = false;
  std::string FastAdminNick;
  std::string FastAdminCode;

  bool PollTimer = false;
  std::string ClockLabel = "Time";
  std::string UserCountLabel = "0";
  std::string LastVisitorBox;
  std::string BotNick;

  // Set while a tick runs, so that a tick started from a message pump inside
  // it returns at once.
  bool TickRunning = false;

  BotSettings() { NoticeBuffer.SetForcedColor(kNoticeColor); }
  static constexpr std::uint32_t kNoticeColor = Rgb(192, 0, 0);
};

bool& FeatureFlag(BotSettings& settings, Feature feature);
std::string& FeatureLabel(BotSettings& settings, Feature feature);
const char* FeatureName(Feature feature);  // "Greeter", "Swearbot", ...

}  // namespace quorvel
