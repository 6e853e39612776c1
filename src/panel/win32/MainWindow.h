#pragma once
// The control panel window: it shows the model and forwards the operator's
// actions to it; the model decides everything.
#include <windows.h>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/Bot.h"
#include "model/PanelView.h"
#include "panel/PanelControl.h"
#include "panel/win32/GdiHandles.h"
#include "panel/win32/HealthBar.h"
#include "panel/win32/PanelLayout.h"
#include "panel/win32/ShownList.h"
#include "panel/win32/WindowTrampoline.h"

namespace quorvel {

class ToolWindow;

// The fonts of the panel, made for one DPI.
struct PanelFonts {
  Font Message;               // every control's
  Font Tahoma;                // the "Cool Greetings" list
  std::array<Font, 3> Sizes;  // the three "A" boxes, each in its own size
  void Make(double scale, bool scaledMessageFont);
  const Font& For(ControlFont font) const;
};

class MainWindow final : public PanelView {
 public:
  explicit MainWindow(BotSettings& settings);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  bool Create(HINSTANCE instance);
  // The bot the window drives; set once, before the window is loaded.
  void Attach(Bot& bot);
  HWND Window() const { return window_; }
  // Shows tab `index` (0 "Admin" to 6 "Flood", as kTabNames lists them).
  void SelectTab(int index);
  // One of the bot's small windows, when open.
  HWND SmallWindow(const std::string& caption) const;
  // Tab, Enter and the arrow keys as in a dialog, in the panel and in each of
  // its small windows. True when the message was taken: IsDialogMessage
  // dispatches every message of a window it is given.
  bool RouteDialogMessage(MSG& msg);

  void IndicatorChanged(Feature feature) override;
  void PollTimerChanged(bool enabled) override;
  void RoomListChanged() override;
  void CaptionChanged() override;
  void HealthChanged() override;
  void ListChanged(PanelListId list) override;
  void LabelChanged(PanelLabel label) override;
  void BoxChanged(PanelBox box) override;
  void OptionsChanged() override;
  void MessagesChanged() override;
  void EditorChanged() override;
  void BotWindowOpened(const std::string& caption) override;
  void BotWindowClosed(const std::string& caption) override;
  void ShowModal(const std::string& caption) override;
  void BringToFront() override;

 private:
  // For the window procedure (WindowProcedure<MainWindow>).
  friend LRESULT CALLBACK WindowProcedure<MainWindow>(HWND, UINT, WPARAM, LPARAM) noexcept;
  void Bind(HWND window) { window_ = window; }
  FaultReporter Reporter() const;
  LRESULT HandleMessage(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);
  void CreateControls();
  void CreateMenus();
  void OnCommand(int id, int code, HWND control);
  // The operator used a control that renders `row` (as its option `choice`).
  void Drive(const PanelControl& row, int choice, int id, int code, HWND control);
  void OnListPicked(const PanelControl& row, int id, HWND control);
  void OnDropDownCommand(const PanelControl& row, int code, HWND control);
  // The operator used control `id` of a small window laid out as `layout`.
  void OnSmallWindowCommand(const SmallWindowLayout& layout, HWND window, int id, int code);
  void OnOptionCommand(const PanelControl& row, int choice, bool checked);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  void PickColor(std::uint32_t& target);
  // Lays the window out again for a monitor of that DPI.
  void ApplyDpi(unsigned dpi, const RECT* suggested);
  void ApplyFonts();
  // The window's size for the panel's client area at this scale, with the status bar below it.
  RECT WindowRectFor(double scale) const;
  // Shows the whole model; later only what the model names as changed.
  void ShowAll();
  void ShowText(HWND control, const std::string& text);
  void ReportFault(const std::string& action, const std::string& reason);
  void RetireTool(const std::string& caption);
  ToolWindow* Tool(const std::string& caption) const;
  LRESULT AnswerLiveCount(WPARAM what) const;
  HWND Control(int id) const { return GetDlgItem(window_, id); }

  BotSettings& settings_;
  Bot* bot_ = nullptr;
  HINSTANCE instance_ = nullptr;
  HWND window_ = nullptr;
  HWND tooltip_ = nullptr;
  HealthBar health_;
  PanelFonts fonts_;
  double scale_ = 1.0;
  int tab_ = 0;
  bool refreshing_ = false;  // changes made while showing the model are not the operator's
  // What the controls show, so that showing the same again touches nothing.
  std::map<HWND, std::string> shownTexts_;
  std::map<int, ShownList> shownLists_;  // by list-box id; the small windows' lists by PanelListId below
  ShownList grabberShown_;
  ShownList searchShown_;
  std::array<std::optional<bool>, kAllFeatures.size()> shownLamps_;
  std::map<int, bool> shownChecks_;
  std::map<int, std::uint32_t> shownColors_;
  std::optional<std::vector<std::string>> shownRooms_;
  int shownRoomIndex_ = -2;
  std::map<std::string, std::unique_ptr<ToolWindow>> tools_;
  ToolWindow* modal_ = nullptr;  // "About" or "Contact" while shown
  // Small windows closed from inside their own handlers, destroyed once it returned.
  std::vector<std::unique_ptr<ToolWindow>> retired_;
  std::set<std::string> reportedFaults_;
  bool reportingFault_ = false;
  bool asking_ = false;        // the close question is open
  UINT liveCountMessage_ = 0;  // the tests' query (MainWindowIds.h)
  long timerTicks_ = 0;
};

}  // namespace quorvel
