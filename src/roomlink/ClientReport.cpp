#include "roomlink/ClientReport.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "roomlink/ClientLayout.h"
#include "roomlink/LookedFor.h"
#include "roomlink/TickFinds.h"
#include "text/AnsiText.h"
#include "text/CodePage.h"
#include "text/Occurs.h"

namespace quorvel {
namespace {

// The pieces of one line, then its end: CR LF, for Notepad. Built piece by
// piece rather than by chains of temporaries, which the program pays for in size.
void Line(std::string& out, std::initializer_list<std::string_view> pieces) {
  for (std::string_view piece : pieces) out += piece;
  out += "\r\n";
}

std::string HandleText(WindowHandle window) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%08llX", static_cast<unsigned long long>(window));
  return text;
}

// The room's parts as the bot took them, each with the word that marks it in
// the window listing and what the health record says of it.
struct TakenWindow {
  WindowHandle Window;
  const char* Word;
  WindowPresence Presence;
};
using TakenWindows = std::array<TakenWindow, 4>;

TakenWindows Taken(const RoomLinkState& state) {
  const WindowHealth& h = state.Health;
  return {{{state.NickList.Room, "room", h.Room},
           {state.TranscriptHandle, "transcript", h.Transcript},
           {h.SendBoxWindow, "send box", h.SendBox},
           {state.NickList.ListView, "nick list", h.NickList}}};
}

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
  WindowLister(Desktop& desktop, const TakenWindows& taken, std::string& out)
      : desktop_(desktop), taken_(taken), out_(out) {}

  void List(WindowHandle window, int depth) {
    if (listed_ >= kReportMaxWindows) {
      cut_ = true;
      return;
    }
    ++listed_;
    Describe(window, depth);
    const std::vector<WindowHandle> children = desktop_.Children(window);
    if (depth + 1 >= kReportMaxDepth) {
      if (!children.empty()) Line(out_, {Indent(depth + 1), "(deeper windows not listed)"});
      return;
    }
    for (WindowHandle child : children) List(child, depth + 1);
  }

  int Listed() const { return listed_; }
  bool Cut() const { return cut_; }

 private:
  static std::string Indent(int depth) { return std::string(2 * (depth + 1), ' '); }

  void Describe(WindowHandle window, int depth) {
    const std::string className = desktop_.ClassName(window);
    const WindowFacts facts = desktop_.FactsOf(window);
    const std::string size = std::to_string(facts.Width) + "x" + std::to_string(facts.Height);
    std::string_view role;
    for (const TakenWindow& taken : taken_)
      if (taken.Window == window && taken.Presence == WindowPresence::Found) role = taken.Word;
    Line(out_,
         {Indent(depth), HandleText(window), " ", QuotedName(className), " id ", std::to_string(facts.ControlId), " ",
          QuotedName(FirstCharacters(desktop_.Title(window), kReportTitleCharacters)),
          facts.Visible ? " visible" : " hidden", facts.Enabled ? " enabled " : " disabled ", size,
          facts.ReadOnly ? " read-only" : "", CountOf(desktop_, window, className), role.empty() ? "" : "  <- ", role});
  }

  Desktop& desktop_;
  const TakenWindows& taken_;
  std::string& out_;
  int listed_ = 0;
  bool cut_ = false;
};

bool IsClientMark(const std::string& className, const ClientProfile& profile) {
  return EqualsNoCase(className, kMainWindowClass) || EqualsNoCase(className, kRoomWindowClass) ||
         (!profile.RoomWindowClass.empty() && EqualsNoCase(className, profile.RoomWindowClass));
}

// The processes that own a main or a room window of the client, in order.
std::vector<unsigned long> ClientProcesses(Desktop& desktop, const std::vector<WindowHandle>& tops,
                                           const ClientProfile& profile) {
  std::vector<unsigned long> processes;
  for (WindowHandle top : tops)
    if (IsClientMark(desktop.ClassName(top), profile)) processes.push_back(desktop.FactsOf(top).ProcessId);
  std::sort(processes.begin(), processes.end());
  processes.erase(std::unique(processes.begin(), processes.end()), processes.end());
  return processes;
}

void ProgramSection(std::string& out, const ReportHeader& header) {
  Line(out, {"== Program =="});
  Line(out, {"Quorvel version: ", header.ProgramVersion});
  Line(out, {"ANSI code page: ", std::to_string(SystemCodePage())});
  Line(out, {"Windows version: ", header.WindowsVersion});
}

void ClientSection(std::string& out, RoomLink& link, bool clientFound) {
  const auto versionText = ClientVersionText(link.registry);
  const int code = ClassifyVersionText(versionText.value_or(""));
  Line(out, {"== Client =="});
  Line(out, {"Version string: ", versionText ? QuotedName(*versionText) : "none (no uninstall entry)"});
  if (const auto profile = ProfileForVersion(code))
    Line(out, {"Version code: ", std::to_string(code), " (room class ", QuotedName(profile->RoomWindowClass),
               ", transcript rich edit ", std::to_string(profile->TranscriptIndex), ", send box rich edit ",
               std::to_string(profile->SendBoxIndex), ")"});
  else
    Line(out, {"Version code: ", std::to_string(code), " (not a version this program knows)"});
  // What the binding learnt of a client that is gone says nothing of this one.
  if (!clientFound) return Line(out, {"No client window found: nothing was read."});
  const Desktop& desktop = link.desktop;
  const int bits = desktop.ClientBits();
  Line(out,
       {"Process bitness: ", bits ? std::to_string(bits) + "-bit" : "not learnt yet (attaching to a room learns it)"});
  Line(out, {"Memory readable: ", desktop.ClientBitnessUnknown() ? "no (the process did not tell its bitness)"
                                  : desktop.ClientMemoryTried()  ? "yes, as far as known"
                                                                 : "not tried yet"});
}

void TakenLine(std::string& out, const char* what, const TakenWindow& taken, const std::string& lookedFor) {
  switch (taken.Presence) {
    case WindowPresence::Found:
      return Line(out, {what, ": found ", HandleText(taken.Window)});
    case WindowPresence::Missing:
      return Line(out, {what, ": missed; looked for: ", lookedFor});
    case WindowPresence::NotLooked:
      break;
  }
  Line(out, {what, ": not looked for yet"});
}

void TakenSection(std::string& out, RoomLink& link, const TakenWindows& taken) {
  const RoomLinkState& state = link.state;
  const std::string& title = state.SelectedRoomTitle;
  Line(out, {"== What the bot took =="});
  if (title.empty()) return Line(out, {"Selected room: none (the \"Room:\" list is empty or nothing is picked)"});
  Line(out, {"Selected room: ", QuotedName(title)});
  TakenLine(out, "Room", taken[0], RoomLookedFor(state.Profile, title));
  TakenLine(out, "Transcript", taken[1],
            PaneEditLookedFor(title, state.ClientVersionCode, state.Profile.TranscriptIndex));
  TakenLine(out, "Send box", taken[2], PaneEditLookedFor(title, state.ClientVersionCode, state.Profile.SendBoxIndex));
  TakenLine(out, "Nick list", taken[3], NickListLookedFor(title));
  const TakenWindow& nickList = taken[3];
  Line(out, {"User count: ", nickList.Presence == WindowPresence::Found
                                 ? std::to_string(link.desktop.ListItemCount(nickList.Window))
                                 : "missed (it is the nick list's item count)"});
}

void WindowsSection(std::string& out, Desktop& desktop, const std::vector<WindowHandle>& tops,
                    const std::vector<unsigned long>& processes, const TakenWindows& taken) {
  Line(out, {"== Windows of the client =="});
  if (processes.empty())
    return Line(out, {"No window of the client was found: no top-level window of class ", Quoted(kMainWindowClass),
                      " or ", Quoted(kRoomWindowClass), "."});
  WindowLister lister(desktop, taken, out);
  for (unsigned long process : processes) {
    Line(out, {"Process ", std::to_string(process)});
    for (WindowHandle top : tops)
      if (desktop.FactsOf(top).ProcessId == process) lister.List(top, 0);
  }
  Line(out, {std::to_string(lister.Listed()), " windows listed",
             lister.Cut() ? "; the list stops at " + std::to_string(kReportMaxWindows) : ""});
}

}  // namespace

std::string ClientReportText(RoomLink& link, const ReportHeader& header) {
  // One tick's bounds: a client that does not answer in time costs one bound,
  // and the rest of the report is written without waiting on it again.
  TickScope scope(link.desktop);
  // What the report says the bot took is what the status bar shows: the
  // record both read, brought up to date first.
  NoteRoomFinds(link);
  const TakenWindows taken = Taken(link.state);
  const std::vector<WindowHandle> tops = link.desktop.TopLevelWindows();
  const std::vector<unsigned long> processes = ClientProcesses(link.desktop, tops, link.state.Profile);
  std::string out;
  Line(out, {"Quorvel client report"});
  Line(out, {"Written: ", header.WrittenAt});
  Line(out, {});
  ProgramSection(out, header);
  Line(out, {});
  ClientSection(out, link, !processes.empty());
  Line(out, {});
  TakenSection(out, link, taken);
  Line(out, {});
  WindowsSection(out, link.desktop, tops, processes, taken);
  // Without a client no call waited on it: there is nothing to say of its answers.
  if (processes.empty()) return out;
  Line(out, {});
  Line(out, {"== Calls =="});
  Line(out, {link.desktop.TickMetHungClient() ? "The client did not answer in time: it may be hung. Counts and "
                                                "windows asked for after that are missing or shown as 0."
                                              : "Every call to the client was answered in time."});
  return out;
}

}  // namespace quorvel
