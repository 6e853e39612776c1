// The flood guard of quorvel.exe against fakepal.exe, driven through the
// "Flood" tab: a burst of one nick's lines is bounced once, a burst of joins
// pauses the greeter, the moderation log names the flood; the numbers of
// flood.txt show in their boxes, and a number typed there is written back.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "FakePalProcess.h"
#include "FakePalProtocol.h"
#include "MessageBoxes.h"
#include "QuorvelWindow.h"
#include "StatusBarReading.h"
#include "panel/win32/MainWindowIds.h"

namespace quorvel {
namespace {

using testing::ChildProcess;
using testing::FakePalProcess;
using testing::WaitUntil;
using testing::WindowText;

constexpr const char* kRoom = "Flood Room";

// quorvel.exe copied into a folder of its own: flood.txt and the moderation
// log are written there, and go with it.
class ProgramFolder {
 public:
  explicit ProgramFolder(const char* name) {
    dir_ = std::filesystem::temp_directory_path() / (std::string(name) + std::to_string(GetCurrentProcessId()));
    std::filesystem::remove_all(dir_, ignored_);
    std::filesystem::create_directories(dir_);
    std::filesystem::copy_file(testing::ExeDirectory() + "\\quorvel.exe", dir_ / "quorvel.exe");
  }
  ~ProgramFolder() { std::filesystem::remove_all(dir_, ignored_); }
  std::string Exe() const { return (dir_ / "quorvel.exe").string(); }
  void Write(const char* file, const std::string& text) const { std::ofstream(dir_ / file, std::ios::binary) << text; }
  std::string Read(const char* file) const {
    std::ostringstream text;
    text << std::ifstream(dir_ / file, std::ios::binary).rdbuf();
    return text.str();
  }

 private:
  std::filesystem::path dir_;
  std::error_code ignored_;
};

// A message to the program, done when this returns, as an operator's click is
// done before the next.
bool Send(HWND window, UINT message, WPARAM w, LPARAM l) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutA(window, message, w, l, SMTO_ABORTIFHUNG, 5000, &ignored) != 0;
}
bool Click(HWND main, int id) {
  return Send(main, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(main, id)));
}
// An option or check box ticked.
bool Tick(HWND main, int id) { return Send(GetDlgItem(main, id), BM_SETCHECK, BST_CHECKED, 0) && Click(main, id); }
bool Type(HWND control, const std::string& text) {
  for (char c : text)
    if (!Send(control, WM_CHAR, static_cast<unsigned char>(c), 0)) return false;
  return true;
}

std::vector<std::string> Journaled(const FakePalProcess& pal, const std::string& prefix) {
  std::vector<std::string> found;
  for (const auto& line : pal.JournalLines())
    if (line.rfind(prefix, 0) == 0) found.push_back(line);
  return found;
}

// Appended to the transcript in one go: the client shows them all at once.
bool Say(const FakePalProcess& pal, const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += (text.empty() ? "" : "\r") + line;
  return pal.Command(fakepal::kAppendLine, {kRoom, text});
}

// Waits until the bot has read `line`, the last of what was said before it.
bool Read(const ChildProcess& app, HWND main, const FakePalProcess& pal, const std::string& line) {
  return Say(pal, {line}) && WaitUntil(app, 10000, [&] { return WindowText(GetDlgItem(main, kLineLabel)) == line; });
}

bool HasPart(HWND bar, const std::string& part) {
  const auto parts = testing::ReadBar(bar).Parts;
  return std::find(parts.begin(), parts.end(), part) != parts.end();
}

TEST(FloodGuardTest, ABurstIsBouncedOnceAndAJoinBurstPausesTheGreeter) {
  ProgramFolder folder("quorvel-flood-");
  testing::InstallClient();
  FakePalProcess pal("fakepal64.exe", {"--room", kRoom, "--nicks", "Ann,Eve"});
  ASSERT_TRUE(pal.Ready());
  ChildProcess app(folder.Exe(), {});
  const HWND main = testing::WaitForMainWindow(app, true);
  ASSERT_NE(main, nullptr);
  // Bounce at once, logged; the greeter greets with a design.
  ASSERT_TRUE(Tick(main, kFloodBounce) && Tick(main, kFloodWarnNo) && Tick(main, kLogModeration));
  ASSERT_TRUE(Type(GetDlgItem(main, kEditor), "Hi %sn"));
  ASSERT_TRUE(Click(main, kFloodStart) && Click(main, kGreeterStart) && Click(main, kStart));
  ASSERT_EQ(WindowText(GetDlgItem(main, kIndicatorFirst + 6)), "Flood On");
  ASSERT_TRUE(Read(app, main, pal, "Ann: ready"));

  std::vector<std::string> burst;
  for (int i = 1; i <= 8; ++i) burst.push_back("Eve: word " + std::to_string(i));
  ASSERT_TRUE(Say(pal, burst));
  ASSERT_TRUE(Read(app, main, pal, "Ann: after the burst"));
  ASSERT_TRUE(pal.WaitForJournal("COMMAND"));
  EXPECT_EQ(Journaled(pal, "COMMAND\t"), std::vector<std::string>{"COMMAND\t32947\tEve"});

  // Seven joins at once, five allowed: five greetings, and the bar says why the rest got none.
  std::vector<std::string> joins;
  for (int i = 1; i <= 7; ++i) joins.push_back("J" + std::to_string(i) + " has joined the room");
  ASSERT_TRUE(Say(pal, joins));
  EXPECT_TRUE(
      WaitUntil(app, 5000, [&] { return HasPart(GetDlgItem(main, kHealthBar), "Greeter paused: join flood"); }));
  ASSERT_TRUE(Read(app, main, pal, "Ann: after the joins"));
  const auto greetings = Journaled(pal, "SENT\tHi J");
  ASSERT_EQ(greetings.size(), 5u);
  EXPECT_EQ(greetings.back().rfind("SENT\tHi J5", 0), 0u) << greetings.back();

  // The one bounce, named by its check and figures; joining punishes nobody.
  std::istringstream log(folder.Read("moderation log.txt"));
  std::vector<std::string> logged;
  for (std::string line; std::getline(log, line);) logged.push_back(line);
  ASSERT_EQ(logged.size(), 1u);
  EXPECT_NE(logged[0].find("| room Flood Room | Eve | bounce | flood: 6 messages in 5 s"), std::string::npos)
      << logged[0];
  EXPECT_TRUE(testing::CloseAnswering(app, main, IDNO));
}

TEST(FloodGuardTest, TheBoxesShowFloodTxtAndATypedNumberIsWritten) {
  ProgramFolder folder("quorvel-floodtxt-");
  folder.Write("flood.txt", "FloodSeconds=7\r\nCapsLetters=12\r\n");
  testing::InstallClient();
  ChildProcess app(folder.Exe(), {});
  const HWND main = testing::WaitForMainWindow(app, false);
  ASSERT_NE(main, nullptr);
  const HWND messages = GetDlgItem(main, kFloodMessagesBox);
  EXPECT_TRUE(WaitUntil(app, 5000, [&] { return WindowText(GetDlgItem(main, kFloodSecondsBox)) == "7"; }));
  EXPECT_EQ(WindowText(GetDlgItem(main, kCapsLettersBox)), "12");
  EXPECT_EQ(WindowText(messages), "5");  // not in the file: its default
  EXPECT_EQ(testing::FindMessageBox(app), nullptr);

  ASSERT_TRUE(Send(messages, EM_SETSEL, 0, -1) && Type(messages, "8"));
  EXPECT_EQ(folder.Read("flood.txt"),
            "FloodMessages=8\r\nFloodSeconds=7\r\nRepeatTimes=3\r\nRepeatSeconds=30\r\nCapsLetters=12\r\n"
            "CapsPercent=75\r\nJoinFloodJoins=5\r\nJoinFloodSeconds=10\r\n");
  EXPECT_TRUE(testing::CloseAnswering(app, main, IDNO));
}

}  // namespace
}  // namespace quorvel
