#pragma once
// Where every control of the main window and of the bot's small windows sits
// and how it looks, and which row of the control table it renders.
#include <windows.h>

#include <string>
#include <vector>

#include "panel/win32/ToolWindow.h"

namespace quorvel {

inline constexpr int kClientWidth = 770;
inline constexpr int kClientHeight = 530;
inline constexpr int kPageX = 212;  // where a tab's page starts, in the main window
inline constexpr int kPageY = 40;

inline constexpr DWORD kGroup = BS_GROUPBOX;
inline constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;
inline constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
inline constexpr DWORD kRadio = BS_AUTORADIOBUTTON;
inline constexpr DWORD kFirstRadio = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
inline constexpr DWORD kBox = ES_AUTOHSCROLL | WS_TABSTOP;
inline constexpr DWORD kList = WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_TABSTOP;
inline constexpr DWORD kMultiList = kList | LBS_EXTENDEDSEL;
inline constexpr DWORD kRich = ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER | WS_TABSTOP | ES_WANTRETURN;
inline constexpr DWORD kSwatch = SS_OWNERDRAW | SS_NOTIFY;
inline constexpr const char* kRichClass = "RichEdit20A";

// The tab control's tabs, in order: a control on tab N shows only while it is selected.
inline constexpr const char* kTabNames[] = {"Admin", "Greeter", "SwearBot", "An/Res", "Bc/Dot", "Stats", "Flood"};

// Which of the panel's fonts a control writes in.
enum class ControlFont {
  Message,  // every control's but these
  Tahoma,   // the "Cool Greetings" list
  Size8,    // the three "A" boxes, each in its own size
  Size10,
  Size12,
};

struct PageControl {
  int Tab;  // -1: outside the tab control
  ToolControl Control;
  // The row of the control table it renders, and which option of the row it is.
  const char* Row = nullptr;
  const char* Choice = nullptr;
  ControlFont Font = ControlFont::Message;
  bool PlacesItself = false;  // the status bar lies along the window's bottom edge, whatever the table says
};

// The whole window, frame by frame, in tab order: the controls are made, laid
// out for a DPI and given their fonts by walking it.
const std::vector<PageControl>& PanelLayout();
// The control where it sits in the window: a tab's page starts at (kPageX, kPageY).
ToolControl InWindow(const PageControl& pc);

// A control of one of the bot's small windows.
struct SmallWindowControl {
  ToolControl Control;
  const char* Row = nullptr;  // the row of the control table it renders
  bool OpensFilled = false;   // a box that opens showing its row's text; the others open empty
};

// One of the bot's small windows: its caption, its size and its controls.
struct SmallWindowLayout {
  const char* Caption;
  int Width;
  int Height;
  bool Modal;  // "About" and "Contact": shown modal, closed by their button
  std::vector<SmallWindowControl> Controls;
};

const std::vector<SmallWindowLayout>& SmallWindowLayouts();
// The small window of that caption, or none.
const SmallWindowLayout* SmallWindowNamed(const std::string& caption);

}  // namespace quorvel
