#pragma once
// The control panel window: it shows the model and forwards the operator's
// actions to it; the model decides everything.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "panel/Bot.h"
#include "panel/PanelView.h"

namespace quorvel {

class ToolWindow;

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
  // Shows tab `index` (0 "Admin" to 5 "Stats").
  void SelectTab(int index);

  void IndicatorChanged(Feature feature) override;
  void PollTimerChanged(bool enabled) override;
  void RoomListChanged() override;
  void CaptionChanged() override;
  void DisplaysChanged() override;
  void ListsChanged() override;
  void EditorChanged() override;
  void BotWindowOpened(const std::string& caption) override;
  void BotWindowClosed(const std::string& caption) override;
  void ShowModal(const std::string& caption) override;
  void BringToFront() override;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) noexcept;
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);
  void CreateControls();
  void CreateMenus();
  void OnCommand(int id, int code, HWND control);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  void PickColor(std::uint32_t& target);
  // Lays the window out again for a monitor of that DPI.
  void ApplyDpi(unsigned dpi, const RECT* suggested);
  void Refresh();
  void RefreshMessages();
  HWND Control(int id) const { return GetDlgItem(window_, id); }

  BotSettings& settings_;
  Bot* bot_ = nullptr;
  HINSTANCE instance_ = nullptr;
  HWND window_ = nullptr;
  HWND tooltip_ = nullptr;
  HFONT font_ = nullptr;
  HFONT tahoma_ = nullptr;
  double scale_ = 1.0;
  int tab_ = 0;
  bool refreshing_ = false;
  bool messagesShown_ = false;  // changes made while showing the model are not the operator's
  std::map<int, int> tabOf_;    // control id to its tab, -1 for the window itself
  std::map<int, std::vector<std::string>> shownLists_;
  std::map<std::string, std::unique_ptr<ToolWindow>> tools_;
};

}  // namespace quorvel
