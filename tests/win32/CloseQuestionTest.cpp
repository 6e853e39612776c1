// Closing quorvel.exe with a list changed by an in-room command: the question
// comes, Yes saves the list, and the program ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ChildProcess.h"
#include "FakePalProcess.h"
#include "MessageBoxes.h"
#include "QuorvelWindow.h"
#include "panel/win32/MainWindowIds.h"

namespace quorvel {
namespace {

using testing::ChildProcess;
using testing::FakePalProcess;
using testing::WaitUntil;

std::string Slurp(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(CloseQuestionTest, YesSavesAListAnInRoomCommandChanged) {
  const auto dir = std::filesystem::temp_directory_path() / ("quorvel-close-" + std::to_string(GetCurrentProcessId()));
  std::filesystem::create_directories(dir);
  for (const auto& [name, content] : {std::pair<const char*, const char*>{"words.txt", ""},
                                      {"admins.txt", "Bob\r\n"},
                                      {"dlist.txt", ""},
                                      {"dlistd.txt", ""}})
    std::ofstream(dir / name, std::ios::binary) << content;
  std::filesystem::copy_file(testing::ExeDirectory() + "\\quorvel.exe", dir / "quorvel.exe");

  testing::InstallClient();
  FakePalProcess pal("fakepal64.exe", {"--room", "Close Room", "--nicks", "Ann,Bob"});
  ASSERT_TRUE(pal.Ready());
  {
    ChildProcess app((dir / "quorvel.exe").string(), {});
    const HWND main = testing::WaitForMainWindow(app, true);
    ASSERT_NE(main, nullptr);
    testing::Press(main, kStart);
    ASSERT_TRUE(pal.Command(fakepal::kAppendLine, {"Close Room", "Bob: aba! troll"}));
    ASSERT_TRUE(pal.WaitForJournal("SENT"));
    const HWND list = GetDlgItem(main, kAutoBounceList);
    ASSERT_TRUE(WaitUntil(app, 10000, [&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 1; }));

    PostMessageA(main, WM_CLOSE, 0, 0);
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil(app, 10000, [&] { return (box = testing::FindMessageBox(app)) != nullptr; }));
    EXPECT_EQ(testing::MessageBoxText(box).rfind("Save changes before closing?", 0), 0u)
        << testing::MessageBoxText(box);
    EXPECT_NE(testing::MessageBoxText(box).find("[aun.txt]"), std::string::npos);
    testing::AnswerMessageBox(box, IDYES);
    EXPECT_TRUE(app.WaitForExit(10000));
  }
  EXPECT_EQ(Slurp(dir / "aun.txt"), "troll\r\n");
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
}

}  // namespace
}  // namespace quorvel
