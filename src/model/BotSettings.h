#pragma once
// Everything the features read and write, owned by the main window for the
// whole run, grouped by the feature or frame it belongs to; what only the
// panel shows or edits is in Panel. Nothing here is saved; every run starts
// from these defaults.
#include <string>
#include <vector>

#include "model/ArgumentSlots.h"
#include "model/ChatLine.h"
#include "model/Feature.h"
#include "model/FloodWatch.h"
#include "model/OwnMessages.h"
#include "model/PanelList.h"
#include "roomlink/RoomLinkState.h"
#include "styling/RichText.h"
#include "styling/TextStyle.h"

namespace quorvel {

struct BotSettings {
  enum class GreetModes { Regular, Whisper };
  enum class SwearModes { Bounce, RedDot, Warning };
  enum class WarnFirstChoice { Neither, Yes, No };
  enum class AnnounceModes { Multi, Single, Rand };
  enum class FloodModes { Warning, Bounce, RedDot };
  static constexpr std::uint32_t kNoticeColor = Rgb(192, 0, 0);

  // Feature flags; change them only through SetFeature, which keeps the
  // indicator labels in step.
  struct FeatureFlags {
    bool GreeterOn = false;
    bool SwearbotOn = false;
    bool AnnouncerOn = false;
    bool AutoBounceOn = false;
    bool AutoRedotOn = false;
    bool ResponderOn = false;
    bool FloodGuardOn = false;
  };

  // The greeter and its designs.
  struct GreeterSettings {
    GreetModes GreetMode = GreetModes::Regular;
    bool RandomDesign = false;
    RichText DesignEditor;
    RichText GreetBuffer;
    RichText WhisperPrefix = RichText::FromPlainText("/w ");
    RichText WhisperSeparator = RichText::FromPlainText(": ");
    RichText WhisperNickBox;
    PanelList DesignFiles;
    PanelList DesignNames;
  };

  // The warn, bounce and red-dot messages, their compose buffers and the notices'.
  struct MessageSettings {
    RichText WarnMessage = RichText::FromPlainText("sn% don't say sw% in this room.");
    RichText WarnBuffer;
    RichText BounceMessage = RichText::FromPlainText("sn% bounce by ad%");
    RichText BounceBuffer;
    RichText RedDotMessage = RichText::FromPlainText("sn% reddot status change by ad%");
    RichText RedDotBuffer;
    RichText NoticeBuffer;
  };

  struct AdminSettings {
    PanelList AdminList;
  };

  struct SwearSettings {
    PanelList SwearList;
    PanelList WarnedUsers;
    SwearModes SwearMode = SwearModes::Bounce;
    WarnFirstChoice WarnFirst = WarnFirstChoice::Neither;  // neither counts as "No"
    std::string LastPunishedNick;
    std::string MatchedPhrase;
  };

  // Bounces and red dots: the room's nicks as read for one action, the
  // target's place, and the automatic lists.
  struct ModerationSettings {
    std::vector<std::string> RoomNickList;
    std::string NickListIndex;
    PanelList AutoBounceList;
    PanelList AutoRedotList;
    // "Log moderation": each record is appended to the moderation log file.
    bool LogModeration = false;
    bool LogFailureTold = false;  // a failed append is told once a run
  };

  // The nick grabber window's list.
  struct GrabberSettings {
    std::vector<std::string> GrabberList;
  };

  struct ResponderSettings {
    PanelList ResponderTriggers;
    PanelList ResponderReplies;
    std::string LastReply;
    RichText ReplyBuffer;
  };

  struct AnnouncerSettings {
    PanelList AnnounceList;
    AnnounceModes AnnounceMode = AnnounceModes::Single;
    std::string AnnounceInterval = "30";
    std::string AnnounceCounter = "0";
    RichText AnnounceBuffer;
  };

  // The flood guard: its reaction, its numbers as the boxes hold them (read
  // through FloodValue), its warning, and what it watches.
  struct FloodSettings {
    FloodModes FloodMode = FloodModes::Warning;
    bool FloodWarnFirst = true;
    std::string FloodMessages = "5";
    std::string FloodSeconds = "5";
    std::string RepeatTimes = "3";
    std::string RepeatSeconds = "30";
    std::string CapsLetters = "0";
    std::string CapsPercent = "75";
    std::string JoinFloodJoins = "5";
    std::string JoinFloodSeconds = "10";
    RichText FloodWarnMessage = RichText::FromPlainText("sn% please don't flood the room.");
    RichText FloodWarnBuffer;
    FloodWatch Watch;
    std::string FileText;          // what "flood.txt" holds, as last read or written
    bool SaveFailureTold = false;  // a failed write is told once a run
  };

  struct StatsSettings {
    PanelList VisitorNicks;
    PanelList VisitorCounts;
    PanelList VisitorLastSeen;
    std::string TotalVisits = "0";
    std::string UniqueVisits = "0";
  };

  struct RecorderSettings {
    PanelList RecorderBuffer;
    bool RecordingOn = false;
    std::string LastRecordedText;
    bool FlushTimerOn = false;
    std::string FlushEvery = "5";
    std::string FlushCounter = "0";
    PanelList SearchResults;
  };

  // The fast-admin join: the saved names and codes, the dialog's rooms.
  struct FastAdminSettings {
    PanelList FastAdminNicks;
    PanelList FastAdminCodes;
    std::vector<std::string> DialogRoomList;
    std::string DialogRoomIndex;
  };

  // What only the panel shows or the operator types: indicator labels, input
  // boxes, the editor's selection, which of the bot's own windows are open.
  struct PanelState {
    std::string GreeterLabel = "Greeter Off";
    std::string SwearbotLabel = "Swearbot Off";
    std::string AnnouncerLabel = "Anouncer Off";
    std::string AutoBounceLabel = "Autobounce Off";
    std::string AutoRedotLabel = "AutoRedot Off";
    std::string ResponderLabel = "Responder Off";
    std::string FloodLabel = "Flood Off";
    std::string ClockLabel = "Time";
    std::string UserCountLabel = "0";
    std::string SearchLabel = "Search Results";

    size_t EditorSelStart = 0;  // the design editor's selection, in characters of its text
    size_t EditorSelLength = 0;
    // The colour the colour dialog holds: the last one picked anywhere.
    std::uint32_t DialogColor = 0;

    std::string AdminBox;
    std::string PhraseBox;
    std::string AutoBounceBox;
    std::string AutoRedotBox;
    std::string ResponderMessageBox = "Message";
    std::string ResponderResponseBox = "Response";
    std::string AnnounceInputBox;
    std::string SearchBox;
    std::string LastVisitorBox;

    bool SaveAsOpen = false;  // the "Save Greeter As:" dialog
    std::string SaveAsName;
    bool GrabberOpen = false;
    bool RecorderOpen = false;
    bool FastAdminEntryOpen = false;
    std::string FastAdminNick;
    std::string FastAdminCode;
  };

  // What the list files and the statistics file held when last read or
  // written, so that closing can tell what it would lose.
  struct OnDiskState {
    std::vector<std::vector<std::string>> Lists;  // in the order of kProgramListFiles; none read: empty
    std::vector<std::string> VisitorNicks;
    std::vector<std::string> VisitorCounts;
    std::vector<std::string> VisitorLastSeen;
    std::string StatsFile;  // where the statistics were last saved or loaded
  };

  RoomLinkState Room;
  ChatLine Line;
  ArgumentSlots Args;
  FeatureFlags Features;
  GreeterSettings Greeter;
  TextStyle Style;
  MessageSettings Messages;
  AdminSettings Admins;
  SwearSettings Swear;
  ModerationSettings Moderation;
  GrabberSettings Grabber;
  ResponderSettings Responder;
  AnnouncerSettings Announcer;
  FloodSettings Flood;
  StatsSettings Stats;
  RecorderSettings Recorder;
  FastAdminSettings FastAdmin;
  PanelState Panel;
  OnDiskState OnDisk;

  bool PollTimer = false;
  std::string BotNick;
  // What the bot said lately, known when it comes back in the transcript.
  OwnMessages OwnSaid;
  // Set while a tick runs, so that a tick started from a message pump inside
  // it returns at once.
  bool TickRunning = false;

  BotSettings() { Messages.NoticeBuffer.SetForcedColor(kNoticeColor); }
};

bool& FeatureFlag(BotSettings& settings, Feature feature);
std::string& FeatureLabel(BotSettings& settings, Feature feature);
const char* FeatureName(Feature feature);  // "Greeter", "Swearbot", ...

}  // namespace quorvel
