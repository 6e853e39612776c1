#pragma once
// The real binding: the client's windows through user32, and its list view
// and combo box read across processes. Every call that waits on the client
// is bounded, so a hung client costs one skipped step, never a frozen bot.
#include "roomlink/Desktop.h"

namespace quorvel {

class Win32Desktop final : public Desktop {
 public:
  explicit Win32Desktop(unsigned timeoutMs = kDefaultTimeoutMs) : timeoutMs_(timeoutMs) {}
  static constexpr unsigned kDefaultTimeoutMs = 500;

  std::vector<WindowHandle> TopLevelWindows() override;
  std::vector<WindowHandle> Children(WindowHandle parent) override;
  std::vector<WindowHandle> Descendants(WindowHandle parent) override;
  WindowHandle NextSibling(WindowHandle window) override;
  std::string ClassName(WindowHandle window) override;
  std::string Title(WindowHandle window) override;
  int LineCount(WindowHandle edit) override;
  std::string GetLine(WindowHandle edit, int index, int capacity) override;
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

 private:
  unsigned timeoutMs_;
};

}  // namespace quorvel
