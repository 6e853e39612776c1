#pragma once
// The control panel window: it shows the model and forwards the operator's
// actions to it; the model decides everything.
#include <windows.h>

#include "panel/Bot.h"
#include "panel/PanelView.h"

namespace quorvel {

class MainWindow final : public PanelView {
 public:
  explicit MainWindow(BotSettings& settings) : settings_(settings) {}
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  bool Create(HINSTANCE instance);
  // The bot the window drives; set once, before the window is loaded.
  void Attach(Bot& bot) { bot_ = &bot; }
  HWND Window() const { return window_; }

  void IndicatorChanged(Feature feature) override;
  void PollTimerChanged(bool enabled) override;
  void RoomListChanged() override;
  void CaptionChanged() override;
  void DisplaysChanged() override;
  void BringToFront() override;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) noexcept;
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);
  void CreateControls();
  void OnCommand(int id, int code);
  HWND Control(int id) const { return GetDlgItem(window_, id); }

  BotSettings& settings_;
  Bot* bot_ = nullptr;
  HWND window_ = nullptr;
  HFONT font_ = nullptr;
};

}  // namespace quorvel
