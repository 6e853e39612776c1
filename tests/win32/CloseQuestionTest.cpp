// quorvel.exe closed with a list an in-room command changed: the question
// comes, and Yes saves the list before the program ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "FakePalProcess.h"
#include "MessageBoxes.h"
#include "panel/win32/MainWindowIds.h"

namespace quorvel {
namespace {

TEST(CloseQuestionTest, YesSavesAListAnInRoomCommandChanged) {
  const auto dir = std::filesystem::temp_directory_path() / ("quorvel-close-" + std::to_string(GetCurrentProcessId()));
  std::filesystem::create_directories(dir);
  for (const char* name : {"words.txt", "admins.txt", "dlist.txt", "dlistd.txt"})
    std::ofstream(dir / name, std::ios::binary) << (std::string(name) == "admins.txt" ? "Bob\r\n" : "");
  std::filesystem::copy_file(testing::ExeDirectory() + "\\quorvel.exe", dir / "quorvel.exe");
  testing::InstallClient();
  testing::FakePalProcess pal("fakepal64.exe", {"--room", "Close Room", "--nicks", "Ann,Bob"});
  ASSERT_TRUE(pal.Ready());
  {
    testing::ChildProcess app((dir / "quorvel.exe").string(), {});
    const HWND main = testing::WaitForMainWindow(app, true);
    ASSERT_NE(main, nullptr);
    testing::Press(main, kStart);
    ASSERT_TRUE(pal.Command(fakepal::kAppendLine, {"Close Room", "Bob: aba! troll"}));
    const HWND list = GetDlgItem(main, kAutoBounceList);
    ASSERT_TRUE(testing::WaitUntil(app, 10000, [&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) == 1; }));

    PostMessageA(main, WM_CLOSE, 0, 0);
    HWND box = nullptr;
    ASSERT_TRUE(testing::WaitUntil(app, 10000, [&] { return (box = testing::FindMessageBox(app)) != nullptr; }));
    EXPECT_EQ(testing::MessageBoxText(box).rfind("Save changes before closing?", 0), 0u);
    testing::AnswerMessageBox(box, IDYES);
    EXPECT_TRUE(app.WaitForExit(10000));
  }
  std::ostringstream saved;
  saved << std::ifstream(dir / "aun.txt", std::ios::binary).rdbuf();
  EXPECT_EQ(saved.str(), "troll\r\n");
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
}

}  // namespace
}  // namespace quorvel
