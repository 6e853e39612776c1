#include "roomlink/ClientReport.h"

#include <cstdio>
#include <map>
#include <set>
#include <vector>

#include "roomlink/ClientLayout.h"
#include "roomlink/LookedFor.h"
#include "roomlink/NickList.h"
#include "roomlink/WindowSearch.h"
#include "text/AnsiText.h"
#include "text/CodePage.h"
#include "text/Occurs.h"

namespace quorvel {
namespace {

constexpr const char* kEol = "\r\n";

// The room's parts as the bot's own searches find them now.
struct TakenWindows {
  WindowHandle Room = kNoWindow;
  WindowHandle Transcript = kNoWindow;
  WindowHandle SendBox = kNoWindow;
  WindowHandle NickList = kNoWindow;
};

TakenWindows FindTaken(RoomLink& link) {
  TakenWindows taken;
  const std::string& title = link.state.SelectedRoomTitle;
  if (title.empty()) return taken;
  taken.Room = FindTopLevel(link.desktop, std::string(kRoomWindowClass), title);
  taken.Transcript = ResolveTranscript(link);
  taken.SendBox = ResolveSendBox(link);
  taken.NickList = FindNickListView(link.desktop, title);
  return taken;
}

std::string HandleText(WindowHandle window) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%08llX", static_cast<unsigned long long>(window));
  return text;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// "lines 12", "items 3", or nothing for a control that holds no items.
std::string CountOf(Desktop& desktop, WindowHandle window, const std::string& className) {
  const std::string lower = AnsiLower(className);
  if (lower == "edit" || OccursNoCase(lower, "richedit")) return " lines " + std::to_string(desktop.LineCount(window));
  if (lower == "syslistview32") return " items " + std::to_string(desktop.ListItemCount(window));
  if (lower == "combobox" || lower == "comboboxex32") return " items " + std::to_string(desktop.ComboItemCount(window));
  return {};
}

class WindowLister {
 public:
  WindowLister(Desktop& desktop, const std::map<WindowHandle, std::string>& roles, std::string& out)
      : desktop_(desktop), roles_(roles), out_(out) {}

  void List(WindowHandle window, int depth) {
    if (listed_ >= kReportMaxWindows) {
      cut_ = true;
      return;
    }
    ++listed_;
    Line(window, depth);
    if (depth + 1 >= kReportMaxDepth) {
      if (!desktop_.Children(window).empty()) out_ += Indent(depth + 1) + "(deeper windows not listed)" + kEol;
      return;
    }
    for (WindowHandle child : desktop_.Children(window)) List(child, depth + 1);
  }

  int Listed() const { return listed_; }
  bool Cut() const { return cut_; }

 private:
  static std::string Indent(int depth) { return std::string(2 * (depth + 1), ' '); }

  void Line(WindowHandle window, int depth) {
    const std::string className = desktop_.ClassName(window);
    const WindowFacts facts = desktop_.FactsOf(window);
    std::string line =
        Indent(depth) + HandleText(window) + " " + Quoted(className) + " id " + std::to_string(facts.ControlId) + " " +
        Quoted(FirstCharacters(desktop_.Title(window), kReportTitleCharacters)) +
        (facts.Visible ? " visible" : " hidden") + (facts.Enabled ? " enabled" : " disabled") + " " +
        std::to_string(facts.Width) + "x" + std::to_string(facts.Height) + CountOf(desktop_, window, className);
    const auto role = roles_.find(window);
    if (role != roles_.end()) line += "  <- " + role->second;
    out_ += line + kEol;
  }

  Desktop& desktop_;
  const std::map<WindowHandle, std::string>& roles_;
  std::string& out_;
  int listed_ = 0;
  bool cut_ = false;
};

bool IsClientMark(const std::string& className, const ClientProfile& profile) {
  return EqualsNoCase(className, kMainWindowClass) || EqualsNoCase(className, kRoomWindowClass) ||
         (!profile.RoomWindowClass.empty() && EqualsNoCase(className, profile.RoomWindowClass));
}

// The processes that own a main or a room window of the client.
std::set<unsigned long> ClientProcesses(Desktop& desktop, const std::vector<WindowHandle>& tops,
                                        const ClientProfile& profile) {
  std::set<unsigned long> processes;
  for (WindowHandle top : tops)
    if (IsClientMark(desktop.ClassName(top), profile)) processes.insert(desktop.FactsOf(top).ProcessId);
  return processes;
}

std::string ProgramSection(const ReportHeader& header) {
  return std::string("== Program ==") + kEol + "Quorvel version: " + header.ProgramVersion + kEol +
         "ANSI code page: " + std::to_string(SystemCodePage()) + kEol + "Windows version: " + header.WindowsVersion +
         kEol;
}

std::string ClientSection(RoomLink& link) {
  const auto versionText = ClientVersionText(link.registry);
  const int code = ClassifyVersionText(versionText.value_or(""));
  std::string s = std::string("== Client ==") + kEol;
  s += "Version string: " + (versionText ? Quoted(*versionText) : std::string("none (no uninstall entry)")) + kEol;
  s += "Version code: " + std::to_string(code);
  if (const auto profile = ProfileForVersion(code))
    s += " (room class " + Quoted(profile->RoomWindowClass) + ", transcript rich edit " +
         std::to_string(profile->TranscriptIndex) + ", send box rich edit " + std::to_string(profile->SendBoxIndex) +
         ")";
  else
    s += " (not a version this program knows)";
  s += kEol;
  const int bits = link.desktop.ClientBits();
  s += "Process bitness: " +
       (bits ? std::to_string(bits) + "-bit"
             : std::string("not learnt yet (the first read of the transcript or the nick list learns it)")) +
       kEol;
  s += std::string("Memory readable: ") +
       (link.desktop.ClientBitnessUnknown() ? "no (the process did not tell its bitness)" : "yes, as far as known") +
       kEol;
  return s;
}

std::string TakenLine(const char* what, WindowHandle window, const std::string& lookedFor) {
  return std::string(what) + ": " +
         (window != kNoWindow ? "found " + HandleText(window) : "missed; looked for: " + lookedFor) + kEol;
}

std::string TakenSection(RoomLink& link, const TakenWindows& taken) {
  const RoomLinkState& state = link.state;
  const std::string& title = state.SelectedRoomTitle;
  std::string s = std::string("== What the bot took ==") + kEol;
  if (title.empty()) return s + "Selected room: none (the \"Room:\" list is empty or nothing is picked)" + kEol;
  s += "Selected room: " + Quoted(title) + kEol;
  s += TakenLine("Room", taken.Room, RoomLookedFor(state.Profile, title));
  s += TakenLine("Transcript", taken.Transcript,
                 PaneEditLookedFor(title, state.ClientVersionCode, state.Profile.TranscriptIndex));
  s += TakenLine("Send box", taken.SendBox,
                 PaneEditLookedFor(title, state.ClientVersionCode, state.Profile.SendBoxIndex));
  s += TakenLine("Nick list", taken.NickList, NickListLookedFor(title));
  s += "User count: " +
       (taken.NickList != kNoWindow ? std::to_string(link.desktop.ListItemCount(taken.NickList))
                                    : std::string("missed (it is the nick list's item count)")) +
       kEol;
  return s;
}

std::string WindowsSection(Desktop& desktop, const ClientProfile& profile, const TakenWindows& taken) {
  std::string s = std::string("== Windows of the client ==") + kEol;
  const std::vector<WindowHandle> tops = desktop.TopLevelWindows();
  const std::set<unsigned long> processes = ClientProcesses(desktop, tops, profile);
  if (processes.empty())
    return s + "No window of the client was found: no top-level window of class " + Quoted(kMainWindowClass) + " or " +
           Quoted(kRoomWindowClass) + "." + kEol;
  const std::map<WindowHandle, std::string> roles = {
      {taken.Room, "room"},
      {taken.Transcript, "transcript"},
      {taken.SendBox, "send box"},
      {taken.NickList, "nick list"},
  };
  WindowLister lister(desktop, roles, s);
  for (unsigned long process : processes) {
    s += "Process " + std::to_string(process) + kEol;
    for (WindowHandle top : tops)
      if (desktop.FactsOf(top).ProcessId == process) lister.List(top, 0);
  }
  s += std::to_string(lister.Listed()) + " windows listed";
  if (lister.Cut()) s += "; the list stops at " + std::to_string(kReportMaxWindows);
  return s + kEol;
}

}  // namespace

std::string ClientReportText(RoomLink& link, const ReportHeader& header) {
  // One tick's bounds: a client that does not answer in time costs one bound,
  // and the rest of the report is written without waiting on it again.
  TickScope scope(link.desktop);
  std::string report = std::string("Quorvel client report") + kEol + "Written: " + header.WrittenAt + kEol + kEol;
  report += ProgramSection(header) + kEol;
  report += ClientSection(link) + kEol;
  const TakenWindows taken = FindTaken(link);
  report += TakenSection(link, taken) + kEol;
  report += WindowsSection(link.desktop, link.state.Profile, taken) + kEol;
  report += std::string("== Calls ==") + kEol;
  report += link.desktop.TickMetHungClient()
                ? std::string(
                      "The client did not answer in time: it may be hung. Counts and windows asked for after "
                      "that are missing or shown as 0.")
                : std::string("Every call to the client was answered in time.");
  return report + kEol;
}

}  // namespace quorvel
