#pragma once
// The simulated Paltalk client: windows built from ClientLayout, a transcript
// per room, the send box's echo, the nick list with its menu commands and the
// admin join dialog.
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "roomlink/ClientLayout.h"
#include "roomlink/Desktop.h"
#include "sim/SimEvents.h"
#include "sim/SimTranscript.h"
#include "storage/RegistryStore.h"

namespace quorvel {

struct SimNick {
  std::string Text;
  bool RedDot = false;
};

class SimDesktop : public Desktop {
 public:
  SimDesktop(SimEventLog& events, RegistryStore& registry);

  // --- the world, as the scenario sets it up
  WindowHandle OpenClientMainWindow();
  WindowHandle OpenRoom(const std::string& title, RoomLayout layout);
  // A room built from a layout the caller changed (a window left out).
  WindowHandle OpenRoom(const WindowNode& layout);
  WindowHandle OpenWindow(const std::string& className, const std::string& title);
  WindowHandle OpenNotice();
  bool CloseByTitle(const std::string& title);
  // The most recently opened room still open, or none.
  WindowHandle NewestRoom() const;
  void AppendLine(WindowHandle room, const std::string& text);
  void SetNicks(WindowHandle room, const std::vector<std::string>& items);
  void AddNick(WindowHandle room, const std::string& item);
  bool SelectNick(WindowHandle room, const std::string& item);
  void SetAdminRooms(std::vector<std::string> names) { adminRooms_ = std::move(names); }
  void SetEcho(bool on) { echo_ = on; }
  // How the transcripts of the rooms opened from now on show their lines.
  void SetTranscriptShape(TranscriptShape shape) { shape_ = shape; }
  std::vector<SimNick> Nicks(WindowHandle room) const;
  // The transcript lines the simulator still keeps, oldest first.
  std::vector<std::string> TranscriptOf(WindowHandle room) const;
  bool HasNick(WindowHandle room, const std::string& item) const;
  // Lines the scenario or the echo put into a transcript, for printing.
  std::function<void(const std::string& roomTitle, const std::string& line)> OnLine;

  // --- Desktop
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
  void SelectListItem(WindowHandle listView, int index) override;
  std::vector<std::string> ComboItems(WindowHandle combo) override;
  void ComboSetSelection(WindowHandle combo, int index) override;
  // The simulated windows have no place on a screen: their size is 0 by 0.
  WindowFacts FactsOf(WindowHandle window) override;

  // The process of every window of the client; a window opened with
  // OpenWindow belongs to a program of its own.
  static constexpr unsigned long kClientProcess = 4242;

 private:
  struct Window {
    WindowHandle Handle = kNoWindow;
    std::string ClassName, Title;
    WindowRole Role = WindowRole::None;
    WindowHandle Parent = kNoWindow;
    unsigned long Process = kClientProcess;
    std::vector<WindowHandle> Children;
    bool IsRoom = false;  // opened with `room`: has a transcript, a send box and nicks
    SimTranscript Transcript;
    std::string Text;  // send box RTF, edit text
    std::vector<SimNick> NickItems;
    int SelectedNick = -1;
    std::vector<std::string> Combo;
    int ComboSelection = -1;
    bool SpaceDown = false;
  };

  WindowHandle Build(const WindowNode& node, WindowHandle parent, unsigned long process);
  WindowHandle OpenTopLevel(const WindowNode& node, bool isRoom, unsigned long process = kClientProcess);
  void Close(WindowHandle window);
  Window* Find(WindowHandle window);
  const Window* Find(WindowHandle window) const;
  WindowHandle RoomOf(WindowHandle window) const;
  Window* RoleIn(WindowHandle top, WindowRole role);
  void PressEnter(Window& sendBox);
  void RoomCommand(Window& room, int commandId);
  void AdminOk(Window& okButton);
  std::string SignedInNick();

  SimEventLog& events_;
  RegistryStore& registry_;
  std::map<WindowHandle, Window> windows_;
  std::vector<WindowHandle> zOrder_;  // open top-level windows, topmost first
  std::vector<WindowHandle> roomsOpened_;
  std::vector<std::string> adminRooms_;
  WindowHandle nextHandle_ = 0x10010;
  unsigned long nextOtherProcess_ = 5000;
  bool echo_ = true;
  TranscriptShape shape_;
};

}  // namespace quorvel
