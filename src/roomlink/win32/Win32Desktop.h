#pragma once
// The real binding: the client's windows through user32, and its list view
// and combo box read across processes. Every call that waits on the client
// is bounded, so a hung client costs one skipped step, never a frozen bot;
// within a poll tick it costs one bound in all.
#include <cstddef>
#include <memory>

#include "roomlink/Desktop.h"
#include "roomlink/win32/ProcessOpener.h"

namespace quorvel {

class RemoteProcess;

class Win32Desktop final : public Desktop {
 public:
  // A client answers in well under a millisecond; one that takes this long is
  // taken as hung for the rest of the tick. Shorter than the poll period, so a
  // tick that meets a hung client still ends before the next one is due.
  static constexpr unsigned kDefaultTimeoutMs = 300;
  // The client's process is opened through openProcess, OpenProcess when none is given.
  explicit Win32Desktop(unsigned timeoutMs = kDefaultTimeoutMs, ProcessOpener openProcess = {});
  ~Win32Desktop() override;
  Win32Desktop(const Win32Desktop&) = delete;
  Win32Desktop& operator=(const Win32Desktop&) = delete;

  std::vector<WindowHandle> TopLevelWindows() override;
  std::vector<WindowHandle> Children(WindowHandle parent) override;
  std::vector<WindowHandle> Descendants(WindowHandle parent) override;
  WindowHandle NextSibling(WindowHandle window) override;
  WindowHandle FindMatching(WindowHandle parent, WindowHandle after, const std::optional<std::string>& className,
                            const std::optional<std::string>& title) override;
  std::string ClassName(WindowHandle window) override;
  std::string Title(WindowHandle window) override;
  int LineCount(WindowHandle edit) override;
  std::string GetLine(WindowHandle edit, int index, int capacity) override;
  TextSpan ReadRows(WindowHandle edit, int firstRow, int endRow, std::size_t keepNewest, std::size_t maxChars) override;
  void SetRtfText(WindowHandle edit, const std::string& rtf) override;
  void SetText(WindowHandle window, const std::string& text) override;
  void KeyDown(WindowHandle window, int virtualKey) override;
  void KeyUp(WindowHandle window, int virtualKey) override;
  void PostCommand(WindowHandle window, int commandId) override;
  void PostClose(WindowHandle window) override;
  int ListItemCount(WindowHandle listView) override;
  std::vector<std::string> ListItemTexts(WindowHandle listView) override;
  std::string ListItemText(WindowHandle listView, int index) override;
  void SelectListItem(WindowHandle listView, int index) override;
  bool ClientBitnessUnknown() const override { return bitnessUnknown_; }
  int ClientBits() const override { return clientBits_; }
  void LearnClientBits(WindowHandle window) override;
  bool ClientMemoryTried() const override { return memoryTried_; }
  std::vector<std::string> ComboItems(WindowHandle combo) override;
  void ComboSetSelection(WindowHandle combo, int index) override;
  int ComboItemCount(WindowHandle combo) override;
  WindowFacts FactsOf(WindowHandle window) override;
  void BeginTick() override;
  void EndTick() override;
  bool TickMetHungClient() const override { return budget_.hungProcess != 0; }

  // How long a call may wait, and what the current tick learnt: the process
  // (its id) that let a call time out, 0 while every client answers.
  struct CallBudget {
    unsigned timeoutMs = kDefaultTimeoutMs;
    bool inTick = false;
    unsigned long hungProcess = 0;
    // Every message sent to another window, answered or not: what the benchmarks count.
    unsigned long long sent = 0;
  };
  unsigned long long MessagesSent() const { return budget_.sent; }
  // The transcript's process and one remote block for its reads, kept while
  // the transcript window stays the same.
  struct TranscriptLink;

 private:
  TranscriptLink* LinkTo(WindowHandle edit, std::size_t blockSize);
  // Whether records can be made for the opened process; notes the answer.
  bool KnowsRecords(const RemoteProcess& process);
  void NoteBitness(const RemoteProcess& process);

  CallBudget budget_;
  ProcessOpener openProcess_;
  std::unique_ptr<TranscriptLink> transcript_;
  bool bitnessUnknown_ = false;
  int clientBits_ = 0;
  bool memoryTried_ = false;
};

}  // namespace quorvel
