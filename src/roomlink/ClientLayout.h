#pragma once
// The one description of the Paltalk client's windows: classes, titles and
// nesting. The simulated client and fakepal.exe both build their windows from
// it, and the room-link searches are written against the same facts.
#include <string>
#include <vector>

namespace quorvel {

inline constexpr const char* kRoomWindowClass = "DlgGroupChat Window Class";
inline constexpr const char* kMainWindowClass = "seinfeld_superman";
inline constexpr const char* kMainWindowTitle = "Paltalk";
inline constexpr const char* kSplitterClass = "SplitterWindowEx";
inline constexpr const char* kRichEditClass = "RichEdit20W";
inline constexpr const char* kPaneContainerClass = "ClassCPaneContainerEx";
inline constexpr const char* kNickHostClass = "ATL:NickListHost";
inline constexpr const char* kListViewClass = "SysListView32";
inline constexpr const char* kDialogClass = "#32770";
inline constexpr const char* kAdminDialogTitle = "Open or Join a Room As Admin";
inline constexpr const char* kNoticeTitle = "Notice from Paltalk";
inline constexpr const char* kRoomTitleMark = " Room";

// Room menu commands and the main window's admin-join command.
inline constexpr int kCommandBounce = 32947;
inline constexpr int kCommandRedDot = 32946;
inline constexpr int kCommandJrm = 33112;
inline constexpr int kCommandAdminJoin = 33236;

enum class WindowRole {
  None,
  MainWindow,
  Room,
  RoomPane,
  Transcript,
  SendBox,
  NickList,
  AdminDialog,
  AdminCombo,
  AdminCodeBox,
  AdminOk,
  AdminCancel,
  Notice,
};

struct WindowNode {
  std::string ClassName;
  std::string Title;
  WindowRole Role = WindowRole::None;
  std::vector<WindowNode> Children;  // topmost first
};

// Profile 9 rooms keep the transcript 4th and the send box 3rd among the pane's
// rich-edit controls; profiles 10 and 450 keep them 3rd and 2nd. A shallow room
// holds only three nested splitters.
enum class RoomLayout { Profile9, Profile10, Shallow };

WindowNode RoomWindowLayout(RoomLayout layout, const std::string& title);

// A room whose client lacks one window, for tests of what the bot does then.
// A rich edit left out leaves a "Static" window in its place (the rich edits
// after it then stand one place earlier among the pane's, as the bot counts
// them); any other window goes with its children.
void LeaveOutWindow(WindowNode& tree, WindowRole role);
// Every window of the class `from` (ignoring case) takes the class `to`.
void RenameWindowClass(WindowNode& tree, const std::string& from, const std::string& to);
WindowNode MainWindowLayout();
WindowNode AdminJoinDialogLayout();
WindowNode NoticeWindowLayout();

}  // namespace quorvel
