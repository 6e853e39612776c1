#include "panel/win32/MainWindow.h"

#include <commctrl.h>
#include <richedit.h>

#include <iterator>
#include <string>

#include "host/LiveCount.h"
#include "model/HealthText.h"
#include "panel/ClientReportFile.h"
#include "panel/CloseQuestion.h"
#include "panel/ModerationPanel.h"
#include "panel/win32/MainWindowIds.h"
#include "panel/win32/PanelBinding.h"
#include "panel/win32/PanelLayout.h"
#include "panel/win32/RichEditBridge.h"
#include "panel/win32/ScopedFlag.h"
#include "panel/win32/ToolWindow.h"
#include "panel/win32/WindowText.h"
#include "panel/win32/WindowTrampoline.h"
#include "tick/PollTick.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace quorvel {
namespace {

constexpr int kSizePoints[] = {8, 10, 12};

// A list shown as a drop-down list: its notifications are a combo box's.
bool IsDropDown(HWND control) {
  char name[16] = {};
  GetClassNameA(control, name, sizeof name);
  return lstrcmpiA(name, "ComboBox") == 0;
}

void SetFont(HWND control, const Font& font) {
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
}

}  // namespace

void PanelFonts::Make(double scale, bool scaledMessageFont) {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  if (scaledMessageFont) metrics.lfMessageFont.lfHeight = static_cast<LONG>(-12 * scale);
  Message.Reset(CreateFontIndirectA(&metrics.lfMessageFont));
  Tahoma.Reset(
      CreateFontA(static_cast<int>(-11 * scale), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma"));
  for (int i = 0; i < 3; ++i)
    Sizes[static_cast<size_t>(i)].Reset(CreateFontA(static_cast<int>(-kSizePoints[i] * 96 / 72 * scale), 0, 0, 0,
                                                    FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"));
}

const Font& PanelFonts::For(ControlFont font) const {
  switch (font) {
    case ControlFont::Message:
      break;
    case ControlFont::Tahoma:
      return Tahoma;
    case ControlFont::Size8:
      return Sizes[0];
    case ControlFont::Size10:
      return Sizes[1];
    case ControlFont::Size12:
      return Sizes[2];
  }
  return Message;
}

MainWindow::MainWindow(BotSettings& settings) : settings_(settings) {}

MainWindow::~MainWindow() {
  // The controls go before the fonts they use.
  tools_.clear();
  retired_.clear();
  if (window_ && IsWindow(window_)) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

bool MainWindow::Create(HINSTANCE instance) {
  instance_ = instance;
  liveCountMessage_ = RegisterWindowMessageA(kLiveCountMessageName);
  LoadLibraryA("riched20.dll");
  RegisterPanelClass(instance, kMainWindowClassName, WindowProcedure<MainWindow>);
  {
    WindowDc screen(nullptr);
    scale_ = GetDeviceCaps(screen.Get(), LOGPIXELSX) / 96.0;
  }
  const DWORD style = WS_OVERLAPPEDWINDOW & ~(WS_MAXIMIZEBOX | WS_THICKFRAME);
  RECT r = {0, 0, static_cast<LONG>(kClientWidth * scale_), static_cast<LONG>(kClientHeight * scale_)};
  AdjustWindowRect(&r, style, TRUE);
  window_ =
      CreateWindowExA(WS_EX_CONTROLPARENT, kMainWindowClassName, settings_.Room.Caption.c_str(), style, CW_USEDEFAULT,
                      CW_USEDEFAULT, r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, this);
  if (!window_) return false;
  // The status bar, made with the controls, is known only now: the client
  // area grows by its height, so that it covers none of them.
  r = WindowRectFor(scale_);
  SetWindowPos(window_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // On a monitor of another DPI than the system's, lay the window out for it.
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  if (auto getDpi = reinterpret_cast<GetDpiForWindowFn>(
          reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")))) {
    const UINT dpi = getDpi(window_);
    if (dpi && dpi != static_cast<UINT>(scale_ * 96 + 0.5)) ApplyDpi(dpi, nullptr);
  }
  // A key another program holds stays unregistered, without a word.
  RegisterHotKey(window_, kHotKeyBounce, 0, VK_F7);
  RegisterHotKey(window_, kHotKeyRedDot, 0, VK_F8);
  return true;
}

RECT MainWindow::WindowRectFor(double scale) const {
  RECT r = {0, 0, static_cast<LONG>(kClientWidth * scale),
            static_cast<LONG>(kClientHeight * scale) + static_cast<LONG>(health_.Height())};
  AdjustWindowRect(&r, static_cast<DWORD>(GetWindowLongA(window_, GWL_STYLE)), TRUE);
  return r;
}

void MainWindow::Attach(Bot& bot) {
  bot_ = &bot;
  ShowAll();
}

FaultReporter MainWindow::Reporter() const {
  return [self = const_cast<MainWindow*>(this)](const std::string& action, const std::string& reason) {
    self->ReportFault(action, reason);
  };
}

LRESULT MainWindow::HandleMessage(HWND, UINT message, WPARAM w, LPARAM l) { return Handle(message, w, l); }

void MainWindow::ReportFault(const std::string& action, const std::string& reason) {
  // One box at a time, and each action's failure once: a tick that fails on
  // every timer message must not bury the operator in boxes.
  if (reportingFault_ || !reportedFaults_.insert(action).second) return;
  ScopedFlag reporting(reportingFault_);
  const std::string text = FaultText(action, reason);
  if (bot_) {
    bot_->host.dialogs.ShowMessage(text, "Quorvel", MessageButtons::Ok, MessageIcon::Error);
  } else {
    MessageBoxA(window_, text.c_str(), "Quorvel", MB_OK | MB_ICONERROR);
  }
}

void MainWindow::CreateMenus() {
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_STRING, kMenuAbout, "About");
  AppendMenuA(bar, MF_STRING, kMenuHelp, "Help");
  AppendMenuA(bar, MF_STRING, kMenuContact, "Contact");
  SetMenu(window_, bar);
}

void MainWindow::CreateControls() {
  fonts_.Make(scale_, false);
  tooltip_ = CreateTooltips(instance_, window_);
  CreateMenus();
  for (const auto& pc : PanelLayout()) {
    const HWND h = CreateControl(window_, InWindow(pc), scale_, fonts_.For(pc.Font).Get(), tooltip_);
    if (pc.Tab >= 0) SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (std::string(pc.Control.ClassName) == kRichClass)
      SendMessageA(h, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
  }
  for (int i = 0; i < static_cast<int>(std::size(kTabNames)); ++i) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(kTabNames[i]);
    SendMessageA(Control(kTabs), TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  // The bar's height follows its font: the window is sized for it after this.
  health_.Adopt(Control(kHealthBar));
  health_.Fit();
  SelectTab(0);
}

void MainWindow::ApplyFonts() {
  for (const auto& pc : PanelLayout()) SetFont(Control(pc.Control.Id), fonts_.For(pc.Font));
  health_.Fit();
  for (const auto& [caption, tool] : tools_) tool->SetControlFont(fonts_.Message.Get());
  if (modal_) modal_->SetControlFont(fonts_.Message.Get());
}

void MainWindow::ApplyDpi(unsigned dpi, const RECT* suggested) {
  scale_ = dpi / 96.0;
  auto scaled = [&](int v) { return static_cast<int>(v * scale_ + 0.5); };
  for (const auto& pc : PanelLayout()) {
    if (pc.PlacesItself) continue;
    const ToolControl c = InWindow(pc);
    SetWindowPos(Control(c.Id), nullptr, scaled(c.X), scaled(c.Y), scaled(c.W), scaled(c.H),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // The new fonts are set on every control before the old ones are freed.
  PanelFonts old = std::move(fonts_);
  fonts_.Make(scale_, true);
  ApplyFonts();
  if (suggested) {
    SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    const RECT r = WindowRectFor(scale_);
    SetWindowPos(window_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void MainWindow::SelectTab(int index) {
  tab_ = index;
  SendMessageA(Control(kTabs), TCM_SETCURSEL, index, 0);
  for (const auto& pc : PanelLayout())
    if (pc.Tab >= 0) ShowWindow(Control(pc.Control.Id), pc.Tab == index ? SW_SHOW : SW_HIDE);
}

LRESULT MainWindow::Handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_CREATE:
      CreateControls();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l));
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(l);
      if (header->idFrom == kHealthBar && bot_ && health_.AsksForReport(*header))
        FindControl(kClientReportRow)->Press(*bot_);
      if (header->idFrom == kTabs && header->code == TCN_SELCHANGE)
        SelectTab(static_cast<int>(SendMessageA(Control(kTabs), TCM_GETCURSEL, 0, 0)));
      if (header->code == EN_SELCHANGE && header->idFrom == kEditor && bot_ && !refreshing_) {
        const auto* change = reinterpret_cast<const SELCHANGE*>(l);
        settings_.Panel.EditorSelStart = static_cast<size_t>(change->chrg.cpMin);
        settings_.Panel.EditorSelLength = static_cast<size_t>(change->chrg.cpMax - change->chrg.cpMin);
      }
      return 0;
    }
    case WM_DPICHANGED:
      ApplyDpi(HIWORD(w), reinterpret_cast<const RECT*>(l));
      return 0;
    case WM_SIZE:
      health_.Fit();
      return 0;
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
      return TRUE;
    case WM_TIMER:
      if (w == kPollTimerId && bot_) {
        ++timerTicks_;
        PollTimerFired(*bot_);
      }
      return 0;
    case WM_HOTKEY:
      if (bot_) HotKeyPressed(*bot_, static_cast<int>(w));
      return 0;
    case kRetireToolsMessage:
      retired_.clear();
      return 0;
    case WM_CLOSE:
      // A second close while the question is open is the same close.
      if (asking_) return 0;
      {
        ScopedFlag asking(asking_);
        if (bot_ && !MayCloseMainWindow(*bot_)) return 0;
      }
      DestroyWindow(window_);
      return 0;
    case WM_QUERYENDSESSION:
      // Nobody is there to answer a question: what Yes would save is saved.
      if (bot_) SaveBeforeSessionEnds(*bot_);
      return TRUE;
    case WM_ENDSESSION:
      if (w && bot_) SaveBeforeSessionEnds(*bot_);
      return 0;
    case WM_DESTROY:
      // What the close question did not save is dropped; the hot keys go back to the system.
      UnregisterHotKey(window_, kHotKeyBounce);
      UnregisterHotKey(window_, kHotKeyRedDot);
      KillTimer(window_, kPollTimerId);
      tools_.clear();
      PostQuitMessage(0);
      return 0;
    default:
      if (message == liveCountMessage_ && message != 0) return AnswerLiveCount(w);
      return DefWindowProcA(window_, message, w, l);
  }
}

LRESULT MainWindow::AnswerLiveCount(WPARAM what) const {
  if (what == kLiveQueryTicks) return timerTicks_;
  return what < kLiveKinds ? LiveCount(static_cast<LiveKind>(what)) : -1;
}

bool MainWindow::RouteDialogMessage(MSG& msg) {
  if (window_ && IsDialogMessageA(window_, &msg)) return true;
  // IsDialogMessage runs a window's handlers only for a message of that
  // window, and then answers true: a handler that closes a small window ends
  // the loop here.
  for (const auto& [caption, tool] : tools_)
    if (tool->Window() && IsDialogMessageA(tool->Window(), &msg)) return true;
  return false;
}

void MainWindow::PickColor(std::uint32_t& target) {
  // The colour dialog starts from, and a cancel gives back, the colour it holds.
  settings_.Panel.DialogColor =
      bot_->host.dialogs.AskColor(settings_.Panel.DialogColor).value_or(settings_.Panel.DialogColor);
  target = settings_.Panel.DialogColor;
  OptionsChanged();
}

void MainWindow::OnCommand(int id, int code, HWND control) {
  if (!bot_ || refreshing_) return;
  if (const BoundControl* bound = BoundTo(id)) Drive(*bound->Row, bound->Choice, id, code, control);
}

void MainWindow::Drive(const PanelControl& row, int choice, int id, int code, HWND control) {
  BotSettings& s = settings_;
  switch (row.Kind) {
    case ControlKind::TextBox:
      if (code != EN_CHANGE) return;
      row.Text(s) = WindowString(control);
      shownTexts_[control] = row.Text(s);
      if (row.Changed) row.Changed(*bot_);
      return;
    case ControlKind::Message:
    case ControlKind::Editor:
      if (code == EN_CHANGE) row.Rich(s).SetRtf(StreamOutRtf(control));
      return;
    case ControlKind::List:
      if (IsDropDown(control)) return OnDropDownCommand(row, code, control);
      if (code == LBN_SELCHANGE) return OnListPicked(row, id, control);
      return;
    case ControlKind::ColorSwatch:
      if (code == STN_CLICKED) PickColor(row.Color(s));
      return;
    case ControlKind::OptionGroup:
    case ControlKind::CheckBox:
      if (code == BN_CLICKED) OnOptionCommand(row, choice, SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED);
      return;
    case ControlKind::Button:
      if (code == BN_CLICKED && row.Press) row.Press(*bot_);
      if (code == LBN_DBLCLK && row.PressEntry) {
        const LRESULT entry = SendMessageA(control, LB_GETCURSEL, 0, 0);
        if (entry != LB_ERR) row.PressEntry(*bot_, static_cast<size_t>(entry));
      }
      return;
    case ControlKind::Label:
      return;
  }
}

void MainWindow::OnListPicked(const PanelControl& row, int id, HWND control) {
  std::set<size_t> picked;
  const int n = static_cast<int>(SendMessageA(control, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i)
    if (SendMessageA(control, LB_GETSEL, i, 0) > 0) picked.insert(static_cast<size_t>(i));
  shownLists_[id].OperatorSelected(picked);
  if (row.Picked) return row.Picked(*bot_, std::vector<size_t>(picked.begin(), picked.end()));
  row.List(settings_).Selected = std::move(picked);
}

void MainWindow::OnDropDownCommand(const PanelControl& row, int code, HWND control) {
  if (code == CBN_DROPDOWN && row.Press) row.Press(*bot_);
  if (code != CBN_SELCHANGE) return;
  const LRESULT index = SendMessageA(control, CB_GETCURSEL, 0, 0);
  shownRoomIndex_ = static_cast<int>(index);
  if (index != CB_ERR) row.Picked(*bot_, {static_cast<size_t>(index)});
  HealthChanged();
}

void MainWindow::OnOptionCommand(const PanelControl& row, int choice, bool checked) {
  // The buttons changed themselves: what is shown is no longer known.
  shownChecks_.clear();
  if (row.Kind == ControlKind::CheckBox) {
    row.Flag(settings_) = checked;
    return;
  }
  if (!checked && row.Unticked) choice = OptionNamed(row, row.Unticked);
  if (choice < 0) return;
  ChooseOption(row, static_cast<size_t>(choice), settings_);
  // A group of check boxes keeps one ticked at most: the others are cleared.
  if (row.Unticked) OptionsChanged();
}

void MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const int id = static_cast<int>(item.CtlID);
  COLORREF fill = GetSysColor(COLOR_BTNFACE);
  bool round = false;
  if (id >= kPictureFirst && id < kPictureFirst + static_cast<int>(kAllFeatures.size())) {
    // On: a green lamp; off: a dim red one.
    const bool on = FeatureFlag(settings_, kAllFeatures[static_cast<size_t>(id - kPictureFirst)]);
    fill = on ? RGB(0, 200, 60) : RGB(120, 40, 40);
    round = true;
  } else if (const BoundControl* bound = BoundTo(id); bound && bound->Row->Kind == ControlKind::ColorSwatch) {
    fill = bound->Row->Color(settings_);
  }
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  const Brush brush(CreateSolidBrush(fill));
  const ScopedSelect selected(item.hDC, brush.Get());
  if (round) {
    Ellipse(item.hDC, item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom);
  } else {
    Rectangle(item.hDC, item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom);
  }
}

void MainWindow::BringToFront() { SetForegroundWindow(window_); }

}  // namespace quorvel
