#include "sim/SimDesktop.h"

#include <algorithm>

#include "storage/RegAccess.h"
#include "styling/RichText.h"
#include "text/AnsiText.h"

namespace quorvel {

SimDesktop::SimDesktop(SimEventLog& events, RegistryStore& registry) : events_(events), registry_(registry) {}

SimDesktop::Window* SimDesktop::Find(WindowHandle window) {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

const SimDesktop::Window* SimDesktop::Find(WindowHandle window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

WindowHandle SimDesktop::Build(const WindowNode& node, WindowHandle parent, unsigned long process) {
  const WindowHandle handle = nextHandle_;
  nextHandle_ += 4;
  Window w;
  w.Handle = handle;
  w.ClassName = node.ClassName;
  w.Title = node.Title;
  w.Role = node.Role;
  w.Parent = parent;
  w.Process = process;
  w.Transcript = SimTranscript(shape_);
  windows_[handle] = w;
  for (const auto& child : node.Children) {
    const WindowHandle c = Build(child, handle, process);
    windows_[handle].Children.push_back(c);
  }
  return handle;
}

WindowHandle SimDesktop::OpenTopLevel(const WindowNode& node, bool isRoom, unsigned long process) {
  const WindowHandle handle = Build(node, kNoWindow, process);
  windows_[handle].IsRoom = isRoom;
  zOrder_.insert(zOrder_.begin(), handle);
  if (isRoom) roomsOpened_.push_back(handle);
  return handle;
}

WindowHandle SimDesktop::OpenClientMainWindow() { return OpenTopLevel(MainWindowLayout(), false); }

WindowHandle SimDesktop::OpenRoom(const std::string& title, RoomLayout layout) {
  return OpenTopLevel(RoomWindowLayout(layout, title), true);
}

WindowHandle SimDesktop::OpenRoom(const WindowNode& layout) { return OpenTopLevel(layout, true); }

WindowHandle SimDesktop::OpenWindow(const std::string& className, const std::string& title) {
  return OpenTopLevel(WindowNode{className, title, WindowRole::None, {}}, false, nextOtherProcess_++);
}

WindowHandle SimDesktop::OpenNotice() { return OpenTopLevel(NoticeWindowLayout(), false); }

void SimDesktop::Close(WindowHandle window) {
  Window* w = Find(window);
  if (!w) return;
  const std::vector<WindowHandle> children = w->Children;
  for (WindowHandle c : children) Close(c);
  zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), window), zOrder_.end());
  roomsOpened_.erase(std::remove(roomsOpened_.begin(), roomsOpened_.end(), window), roomsOpened_.end());
  windows_.erase(window);
}

bool SimDesktop::CloseByTitle(const std::string& title) {
  for (WindowHandle h : zOrder_) {
    if (windows_[h].Title == title) {
      Close(h);
      return true;
    }
  }
  return false;
}

WindowHandle SimDesktop::NewestRoom() const { return roomsOpened_.empty() ? kNoWindow : roomsOpened_.back(); }

SimDesktop::Window* SimDesktop::RoleIn(WindowHandle top, WindowRole role) {
  Window* w = Find(top);
  if (!w) return nullptr;
  if (w->Role == role) return w;
  for (WindowHandle c : w->Children)
    if (Window* found = RoleIn(c, role)) return found;
  return nullptr;
}

WindowHandle SimDesktop::RoomOf(WindowHandle window) const {
  const Window* w = Find(window);
  while (w && w->Parent != kNoWindow) w = Find(w->Parent);
  return w && w->IsRoom ? w->Handle : kNoWindow;
}

void SimDesktop::AppendLine(WindowHandle room, const std::string& text) {
  Window* r = Find(room);
  Window* transcript = r && r->IsRoom ? RoleIn(room, WindowRole::Transcript) : nullptr;
  if (!transcript) return;
  transcript->Transcript.Append(text);
  if (OnLine) OnLine(r->Title, text);
}

void SimDesktop::SetNicks(WindowHandle room, const std::vector<std::string>& items) {
  Window* r = Find(room);
  Window* list = r && r->IsRoom ? RoleIn(room, WindowRole::NickList) : nullptr;
  if (!list) return;
  list->NickItems.clear();
  for (const auto& item : items) list->NickItems.push_back({item, false});
  list->SelectedNick = -1;
}

void SimDesktop::AddNick(WindowHandle room, const std::string& item) {
  Window* r = Find(room);
  Window* list = r && r->IsRoom ? RoleIn(room, WindowRole::NickList) : nullptr;
  if (list) list->NickItems.push_back({item, false});
}

bool SimDesktop::SelectNick(WindowHandle room, const std::string& item) {
  Window* r = Find(room);
  Window* list = r && r->IsRoom ? RoleIn(room, WindowRole::NickList) : nullptr;
  if (!list) return false;
  for (size_t i = 0; i < list->NickItems.size(); ++i) {
    if (list->NickItems[i].Text == item) {
      list->SelectedNick = static_cast<int>(i);
      return true;
    }
  }
  return false;
}

std::vector<SimNick> SimDesktop::Nicks(WindowHandle room) const {
  const Window* r = Find(room);
  if (!r || !r->IsRoom) return {};
  Window* list = const_cast<SimDesktop*>(this)->RoleIn(room, WindowRole::NickList);
  return list ? list->NickItems : std::vector<SimNick>{};
}

std::vector<std::string> SimDesktop::TranscriptOf(WindowHandle room) const {
  const Window* r = Find(room);
  if (!r || !r->IsRoom) return {};
  Window* t = const_cast<SimDesktop*>(this)->RoleIn(room, WindowRole::Transcript);
  return t ? t->Transcript.Lines() : std::vector<std::string>{};
}

bool SimDesktop::HasNick(WindowHandle room, const std::string& item) const {
  const Window* r = Find(room);
  if (!r || !r->IsRoom) return false;
  const Window* list = const_cast<SimDesktop*>(this)->RoleIn(room, WindowRole::NickList);
  if (!list) return false;
  for (const auto& n : list->NickItems)
    if (n.Text == item) return true;
  return false;
}

std::vector<WindowHandle> SimDesktop::TopLevelWindows() { return zOrder_; }

std::vector<WindowHandle> SimDesktop::Children(WindowHandle parent) {
  const Window* w = Find(parent);
  return w ? w->Children : std::vector<WindowHandle>{};
}

std::vector<WindowHandle> SimDesktop::Descendants(WindowHandle parent) {
  std::vector<WindowHandle> out;
  std::vector<WindowHandle> stack;
  const Window* w = Find(parent);
  if (!w) return out;
  for (auto it = w->Children.rbegin(); it != w->Children.rend(); ++it) stack.push_back(*it);
  while (!stack.empty()) {
    const WindowHandle h = stack.back();
    stack.pop_back();
    out.push_back(h);
    const Window* c = Find(h);
    for (auto it = c->Children.rbegin(); it != c->Children.rend(); ++it) stack.push_back(*it);
  }
  return out;
}

WindowHandle SimDesktop::NextSibling(WindowHandle window) {
  const Window* w = Find(window);
  if (!w) return kNoWindow;
  const std::vector<WindowHandle>& siblings = w->Parent == kNoWindow ? zOrder_ : Find(w->Parent)->Children;
  auto it = std::find(siblings.begin(), siblings.end(), window);
  return it == siblings.end() || it + 1 == siblings.end() ? kNoWindow : *(it + 1);
}

WindowHandle SimDesktop::FindMatching(WindowHandle parent, WindowHandle after,
                                      const std::optional<std::string>& className,
                                      const std::optional<std::string>& title) {
  const Window* p = parent == kNoWindow ? nullptr : Find(parent);
  if (parent != kNoWindow && !p) return kNoWindow;
  const std::vector<WindowHandle>& candidates = p ? p->Children : zOrder_;
  auto it = candidates.begin();
  if (after != kNoWindow) {
    it = std::find(candidates.begin(), candidates.end(), after);
    if (it == candidates.end()) return kNoWindow;
    ++it;
  }
  for (; it != candidates.end(); ++it) {
    const Window* w = Find(*it);
    if (className && !EqualsNoCase(w->ClassName, *className)) continue;
    if (title && !EqualsNoCase(w->Title, *title)) continue;
    return *it;
  }
  return kNoWindow;
}

std::string SimDesktop::ClassName(WindowHandle window) {
  const Window* w = Find(window);
  return w ? w->ClassName.substr(0, 255) : std::string();
}

std::string SimDesktop::Title(WindowHandle window) {
  const Window* w = Find(window);
  return w ? w->Title.substr(0, 255) : std::string();
}

int SimDesktop::LineCount(WindowHandle edit) {
  const Window* w = Find(edit);
  if (!w || w->Role != WindowRole::Transcript) return 0;
  return w->Transcript.LineCount();
}

std::string SimDesktop::GetLine(WindowHandle edit, int index, int capacity) {
  const Window* w = Find(edit);
  if (!w || w->Role != WindowRole::Transcript || capacity <= 0) return {};
  std::string line = w->Transcript.Row(index);
  if (static_cast<int>(line.size()) > capacity) line.resize(capacity);
  const size_t zero = line.find('\0');
  if (zero != std::string::npos) line.resize(zero);
  return line;
}

TextSpan SimDesktop::ReadRows(WindowHandle edit, int firstRow, int endRow, std::size_t keepNewest,
                              std::size_t maxChars) {
  const Window* w = Find(edit);
  if (!w || w->Role != WindowRole::Transcript) return {};
  return w->Transcript.Read(firstRow, endRow, keepNewest, maxChars);
}

void SimDesktop::SetRtfText(WindowHandle edit, const std::string& rtf) {
  if (Window* w = Find(edit)) w->Text = rtf;
}

void SimDesktop::SetText(WindowHandle window, const std::string& text) {
  if (Window* w = Find(window)) w->Text = text;
}

std::string SimDesktop::SignedInNick() {
  return ReadRegString(registry_, RootKey::CurrentUser, "Software\\Paltalk", "cur_user");
}

void SimDesktop::PressEnter(Window& sendBox) {
  const WindowHandle room = RoomOf(sendBox.Handle);
  const std::string roomTitle = room ? windows_[room].Title : std::string();
  const std::string rtf = sendBox.Text;
  const std::string plain = RichText::FromRtf(rtf).MessageText();
  sendBox.Text.clear();
  SimEvent e;
  e.Kind = EventKind::Sent;
  e.Text = plain;
  e.Rtf = rtf;
  e.Title = roomTitle;
  events_.Add(e);
  if (echo_ && !plain.empty() && room) AppendLine(room, SignedInNick() + ": " + plain);
}

void SimDesktop::KeyDown(WindowHandle window, int virtualKey) {
  Window* w = Find(window);
  if (!w) return;
  if (virtualKey == kVkReturn && w->Role == WindowRole::SendBox && RoomOf(window) != kNoWindow) PressEnter(*w);
  if (virtualKey == kVkSpace && w->Role == WindowRole::AdminOk) w->SpaceDown = true;
}

void SimDesktop::KeyUp(WindowHandle window, int virtualKey) {
  Window* w = Find(window);
  if (!w || virtualKey != kVkSpace || w->Role != WindowRole::AdminOk || !w->SpaceDown) return;
  w->SpaceDown = false;
  AdminOk(*w);
}

void SimDesktop::AdminOk(Window& okButton) {
  const WindowHandle dialog = okButton.Parent;
  Window* combo = RoleIn(dialog, WindowRole::AdminCombo);
  Window* code = RoleIn(dialog, WindowRole::AdminCodeBox);
  std::string name;
  if (combo && combo->ComboSelection >= 0 && combo->ComboSelection < static_cast<int>(combo->Combo.size()))
    name = combo->Combo[combo->ComboSelection];
  SimEvent e;
  e.Kind = EventKind::Joined;
  e.Text = name;
  e.Code = code ? code->Text : std::string();
  Close(dialog);
  events_.Add(e);
  if (name.empty()) return;
  const std::string title = name + " Room";
  for (WindowHandle h : zOrder_)
    if (windows_[h].IsRoom && windows_[h].Title == title) return;
  OpenRoom(title, RoomLayout::Profile10);
}

void SimDesktop::RoomCommand(Window& room, int commandId) {
  Window* list = RoleIn(room.Handle, WindowRole::NickList);
  const bool selected =
      list && list->SelectedNick >= 0 && list->SelectedNick < static_cast<int>(list->NickItems.size());
  SimEvent e;
  e.Kind = EventKind::Posted;
  e.CommandId = commandId;
  e.Nick = selected ? list->NickItems[list->SelectedNick].Text : "-";
  events_.Add(e);
  if (!selected) return;
  if (commandId == kCommandBounce) {
    const std::string nick = RemoveChar(list->NickItems[list->SelectedNick].Text, '@');
    list->NickItems.erase(list->NickItems.begin() + list->SelectedNick);
    list->SelectedNick = -1;
    AppendLine(room.Handle, nick + " has been bounced from the room");
  } else if (commandId == kCommandRedDot) {
    list->NickItems[list->SelectedNick].RedDot = !list->NickItems[list->SelectedNick].RedDot;
  }
}

void SimDesktop::PostCommand(WindowHandle window, int commandId) {
  Window* w = Find(window);
  if (!w) return;
  if (w->IsRoom) {
    RoomCommand(*w, commandId);
    return;
  }
  SimEvent e;
  e.Kind = EventKind::Posted;
  e.CommandId = commandId;
  e.Nick = "-";
  events_.Add(e);
  if (w->Role == WindowRole::MainWindow && commandId == kCommandAdminJoin) {
    const WindowHandle dialog = OpenTopLevel(AdminJoinDialogLayout(), false);
    if (Window* combo = RoleIn(dialog, WindowRole::AdminCombo)) combo->Combo = adminRooms_;
  }
}

void SimDesktop::PostClose(WindowHandle window) {
  Window* w = Find(window);
  if (!w) return;
  SimEvent e;
  e.Kind = EventKind::Closed;
  e.Text = w->Title;
  Close(window);
  events_.Add(e);
}

int SimDesktop::ListItemCount(WindowHandle listView) {
  const Window* w = Find(listView);
  return w && w->Role == WindowRole::NickList ? static_cast<int>(w->NickItems.size()) : 0;
}

std::vector<std::string> SimDesktop::ListItemTexts(WindowHandle listView) {
  const Window* w = Find(listView);
  std::vector<std::string> texts;
  if (!w || w->Role != WindowRole::NickList) return texts;
  for (const auto& n : w->NickItems) texts.push_back(n.Text.substr(0, 255));
  return texts;
}

void SimDesktop::SelectListItem(WindowHandle listView, int index) {
  Window* w = Find(listView);
  if (w && w->Role == WindowRole::NickList && index >= 0 && index < static_cast<int>(w->NickItems.size()))
    w->SelectedNick = index;
}

std::vector<std::string> SimDesktop::ComboItems(WindowHandle combo) {
  const Window* w = Find(combo);
  return w ? w->Combo : std::vector<std::string>{};
}

WindowFacts SimDesktop::FactsOf(WindowHandle window) {
  WindowFacts facts;
  if (const Window* w = Find(window)) {
    facts.ProcessId = w->Process;
    facts.Visible = facts.Enabled = true;
    facts.ReadOnly = w->Role == WindowRole::Transcript;
  }
  return facts;
}

void SimDesktop::ComboSetSelection(WindowHandle combo, int index) {
  Window* w = Find(combo);
  if (w && index >= 0 && index < static_cast<int>(w->Combo.size())) w->ComboSelection = index;
}

}  // namespace quorvel
