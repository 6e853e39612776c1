#include "roomlink/ClientLayout.h"

#include <algorithm>
#include <utility>

namespace quorvel {
namespace {

// Window class names are ASCII. fakepal builds this file on its own, without
// the text layer, so the comparison is kept here.
bool SameClassName(const std::string& a, const std::string& b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

WindowNode Node(std::string className, std::string title, WindowRole role = WindowRole::None,
                std::vector<WindowNode> children = {}) {
  return WindowNode{std::move(className), std::move(title), role, std::move(children)};
}

WindowNode Splitter(std::vector<WindowNode> children, WindowRole role = WindowRole::None) {
  return Node(kSplitterClass, "", role, std::move(children));
}

// The user pane: a second pane container whose first child hosts a header and,
// as that header's next sibling, the list view of nicks.
WindowNode UserPanes() {
  WindowNode nickHost = Node(kNickHostClass, "", WindowRole::None,
                             {Node("Static", "Users"), Node(kListViewClass, "", WindowRole::NickList)});
  return Node(kSplitterClass, "", WindowRole::None,
              {Node(kPaneContainerClass, "Video"), Node(kPaneContainerClass, "Users", WindowRole::None, {nickHost})});
}

}  // namespace

WindowNode RoomWindowLayout(RoomLayout layout, const std::string& title) {
  if (layout == RoomLayout::Shallow)
    return Node(kRoomWindowClass, title, WindowRole::Room, {Splitter({Splitter({Splitter({})})})});

  std::vector<WindowNode> paneChildren;
  paneChildren.push_back(Node(kRichEditClass, "", WindowRole::None));  // room topic
  if (layout == RoomLayout::Profile9) paneChildren.push_back(Node(kRichEditClass, "", WindowRole::None));
  paneChildren.push_back(Node(kRichEditClass, "", WindowRole::SendBox));
  paneChildren.push_back(Node(kRichEditClass, "", WindowRole::Transcript));
  paneChildren.push_back(Splitter({UserPanes()}));  // splitters five and six

  WindowNode pane = Splitter(std::move(paneChildren), WindowRole::RoomPane);
  return Node(kRoomWindowClass, title, WindowRole::Room, {Splitter({Splitter({Splitter({pane})})})});
}

void LeaveOutWindow(WindowNode& tree, WindowRole role) {
  auto& children = tree.Children;
  for (auto it = children.begin(); it != children.end(); ++it) {
    if (it->Role != role) continue;
    if (it->ClassName == kRichEditClass)
      *it = Node("Static", "");
    else
      children.erase(it);
    return;
  }
  for (auto& child : children) LeaveOutWindow(child, role);
}

void RenameWindowClass(WindowNode& tree, const std::string& from, const std::string& to) {
  if (SameClassName(tree.ClassName, from)) tree.ClassName = to;
  for (auto& child : tree.Children) RenameWindowClass(child, from, to);
}

WindowNode MainWindowLayout() { return Node(kMainWindowClass, kMainWindowTitle, WindowRole::MainWindow); }

WindowNode AdminJoinDialogLayout() {
  return Node(kDialogClass, kAdminDialogTitle, WindowRole::AdminDialog,
              {Node("ComboBox", "", WindowRole::AdminCombo), Node("Edit", "", WindowRole::AdminCodeBox),
               Node("Button", "OK", WindowRole::AdminOk), Node("Button", "Cancel", WindowRole::AdminCancel)});
}

WindowNode NoticeWindowLayout() { return Node(kDialogClass, kNoticeTitle, WindowRole::Notice, {Node("Button", "OK")}); }

}  // namespace quorvel
