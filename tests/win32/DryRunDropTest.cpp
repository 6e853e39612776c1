// A transcript dropped onto quorvel-dryrun.exe: the shell starts it with the
// file as its only argument; the summary lands beside the transcript as text
// and as a web page.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "ChildProcess.h"

namespace quorvel {
namespace {

using testing::ChildProcess;
using testing::ExeDirectory;

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

struct TitleSearch {
  std::string Part;
  HWND Found;
};

BOOL CALLBACK FindTitled(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<TitleSearch*>(param);
  char title[256] = {};
  GetWindowTextA(window, title, sizeof title);
  if (IsWindowVisible(window) && std::string(title).find(search->Part) != std::string::npos) {
    search->Found = window;
    return FALSE;
  }
  return TRUE;
}

TEST(DryRunDropTest, ADroppedTranscriptGetsItsSummaryAndPageBesideIt) {
  const std::string folder = ExeDirectory() + "\\dryrun-drop";
  CreateDirectoryA(folder.c_str(), nullptr);
  std::ofstream(folder + "\\words.txt", std::ios::binary) << "\"ass\"\r\n";
  std::ofstream(folder + "\\night.txt", std::ios::binary) << "Bob has joined the room\r\nBob: classic rock\r\n";
  const std::string summaryFile = folder + "\\night - dry run.txt";
  const std::string pageFile = folder + "\\night - dry run.htm";
  DeleteFileA(summaryFile.c_str());
  DeleteFileA(pageFile.c_str());

  ChildProcess dryRun("quorvel-dryrun.exe", {folder + "\\night.txt"});
  ASSERT_TRUE(dryRun.Started());
  ASSERT_TRUE(dryRun.WaitForExit(60000));
  const std::string summary = ReadAll(summaryFile);
  EXPECT_NE(summary.find("\"ass\": 1 line, 1 of them inside a word\r\n    inside words: classic x1\r\n"),
            std::string::npos)
      << summary;
  EXPECT_NE(summary.find("line 2: Bob: classic rock (inside a word)"), std::string::npos) << summary;
  const std::string page = ReadAll(pageFile);
  EXPECT_NE(page.find("<meta charset=\"windows-1252\">"), std::string::npos) << page;
  EXPECT_NE(page.find("<h3>&quot;ass&quot;: 1 line, 1 of them inside a word</h3>"), std::string::npos) << page;
  EXPECT_NE(page.find("Bob: cl<span class=\"inside\">ass</span>ic rock"), std::string::npos) << page;
  // The program directory is the transcript's folder, untouched but for the summary and the page.
  EXPECT_EQ(ReadAll(folder + "\\words.txt"), "\"ass\"\r\n");

  // The shell opened the page; close its viewer again, where the system has one.
  TitleSearch search{"night - dry run", nullptr};
  const ULONGLONG deadline = GetTickCount64() + 5000;
  while (!search.Found && GetTickCount64() < deadline) {
    EnumWindows(FindTitled, reinterpret_cast<LPARAM>(&search));
    if (!search.Found) Sleep(50);
  }
  if (search.Found) PostMessageA(search.Found, WM_CLOSE, 0, 0);
}

}  // namespace
}  // namespace quorvel
