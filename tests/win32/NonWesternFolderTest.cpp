// Quorvel in a folder named in the system's own script: a Cyrillic name under
// code page 1251, a Japanese one under 932 whose characters end in the byte
// 0x5C, a backslash to anything that reads the name byte by byte. ctest runs
// these once in a Russian and once in a Japanese locale.
#include <windows.h>

#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "FakePalProcess.h"
#include "QuorvelWindow.h"
#include "Win32World.h"
#include "commands/RoomRecorder.h"
#include "panel/RecorderPanel.h"
#include "panel/StatsFrame.h"
#include "storage/RegAccess.h"
#include "storage/WholeFile.h"
#include "text/CodePage.h"

namespace quorvel {
namespace {

using testing::ChildProcess;
using testing::FakePalProcess;
using testing::Press;
using testing::WaitForMainWindow;
using testing::WaitUntil;
using testing::WindowText;

// Names the system code page can hold, in UTF-16 as the disk keeps them.
struct LocalNames {
  std::wstring Folder;  // the program's folder
  std::wstring Nick;    // a nick in the lists
  std::wstring Design;  // a design's file name
};

std::optional<LocalNames> NamesFor(UINT codePage) {
  if (codePage == 1251) return LocalNames{L"Quorvel Иван", L"Иван", L"Привет"};
  // "表" is 0x95 0x5C and "ソ" 0x83 0x5C in Shift-JIS.
  if (codePage == 932) return LocalNames{L"Quorvel 表示ソフト", L"表示", L"ソ表"};
  return std::nullopt;
}

std::string Narrow(const std::wstring& wide) {
  const int n = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, out.data(), n, nullptr, nullptr);
  out.resize(static_cast<size_t>(n - 1));
  return out;
}

std::wstring Wide(const std::string& narrow) {
  const int n = MultiByteToWideChar(CP_ACP, 0, narrow.c_str(), -1, nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, narrow.c_str(), -1, out.data(), n);
  out.resize(static_cast<size_t>(n - 1));
  return out;
}

// The checks below read and write through the wide API themselves, so they
// see the names as Windows does, not as the program under test does.
bool PutFile(const std::wstring& path, const std::string& bytes) {
  const HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok =
      WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
  CloseHandle(f);
  return ok;
}

std::optional<std::string> TakeFile(const std::wstring& path) {
  const HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char chunk[4096];
  DWORD n = 0;
  while (ReadFile(f, chunk, sizeof chunk, &n, nullptr) && n > 0) bytes.append(chunk, n);
  CloseHandle(f);
  return bytes;
}

// Removes a folder and what is in it (two levels are all these tests make).
void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(folder + L"\\" + name);
      else
        DeleteFileW((folder + L"\\" + name).c_str());
    } while (FindNextFileW(find, &found));
    FindClose(find);
  }
  RemoveDirectoryW(folder.c_str());
}

class NonWesternFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto names = NamesFor(GetACP());
    if (!names) GTEST_SKIP() << "run with LANG=ru_RU.UTF-8 or ja_JP.UTF-8 (scripts/setup makes both locales)";
    names_ = *names;
    folder_ = Wide(testing::ExeDirectory()) + L"\\..\\" + names_.Folder;
    RemoveTree(folder_);
    ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((folder_ + L"\\Designs").c_str(), nullptr));
  }
  void TearDown() override {
    if (!folder_.empty()) RemoveTree(folder_);
  }
  std::wstring At(const std::wstring& name) const { return folder_ + L"\\" + name; }
  std::string Nick() const { return Narrow(names_.Nick); }

  LocalNames names_;
  std::wstring folder_;
};

LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
  return static_cast<LRESULT>(result);
}

TEST_F(NonWesternFolder, TheProgramLoadsSavesAndPreviewsThere) {
  const std::string nick = Nick();
  ASSERT_TRUE(PutFile(At(L"words.txt"), "\"damn\"\r\n"));
  ASSERT_TRUE(PutFile(At(L"admins.txt"), "Ann\r\n" + nick + "\r\n"));
  for (const wchar_t* name : {L"nicks.txt", L"codes.txt", L"aun.txt", L"aur.txt"})
    ASSERT_TRUE(PutFile(At(name), nick + "\r\n"));
  ASSERT_TRUE(PutFile(At(L"mes.txt"), "hello\r\n"));
  ASSERT_TRUE(PutFile(At(L"ans.txt"), "\"Hi, sn%\"\r\n"));
  ASSERT_TRUE(PutFile(At(L"dlist.txt"), "one\r\n"));
  ASSERT_TRUE(PutFile(At(L"dlistd.txt"), "Hi %sn \r\n"));
  ASSERT_TRUE(PutFile(At(L"ans3.txt"), "Rules apply\r\n"));
  ASSERT_TRUE(PutFile(At(L"Designs\\one.rtf"), "{\\rtf1\\ansi Hi %sn\\par}"));
  ASSERT_TRUE(PutFile(At(L"Designs\\Anouncer1.rtf"), "{\\rtf1\\ansi Base\\par}"));
  ASSERT_TRUE(CopyFileW(Wide(testing::ExeDirectory() + "\\quorvel.exe").c_str(), At(L"quorvel.exe").c_str(), FALSE));

  testing::InstallClient();
  FakePalProcess pal("fakepal64.exe", {"--room", "Folder Room", "--nicks", "Ann"});
  ASSERT_TRUE(pal.Ready());
  ChildProcess app(Narrow(At(L"quorvel.exe")), {});
  ASSERT_TRUE(app.Started());
  const HWND main = WaitForMainWindow(app, true);
  ASSERT_NE(main, nullptr);

  // Start-up read every list.
  struct Shown {
    int Id;
    LRESULT Count;
  };
  for (const Shown& list : {Shown{kAdminList, 2}, Shown{kPhraseList, 1}, Shown{kTriggerList, 1}, Shown{kReplyList, 1},
                            Shown{kDesignList, 1}, Shown{kAnnounceList, 1}})
    EXPECT_EQ(Ask(GetDlgItem(main, list.Id), LB_GETCOUNT), list.Count) << list.Id;

  // "Save" writes the admins there.
  const std::string added = nick + "2";
  Ask(GetDlgItem(main, kAdminBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(added.c_str()));
  Press(main, kAdminAdd);
  Press(main, kAdminSave);
  const std::string admins = "Ann\r\n" + nick + "\r\n" + added + "\r\n";
  EXPECT_TRUE(WaitUntil(app, 10000, [&] { return TakeFile(At(L"admins.txt")) == admins; }))
      << TakeFile(At(L"admins.txt")).value_or("(none)");
  EXPECT_EQ(GetFileAttributesW(At(L"admins.txt.new").c_str()), INVALID_FILE_ATTRIBUTES);

  // A design named in the local script is saved to "Designs" and previewed.
  const HWND editor = GetDlgItem(main, kEditor);
  PostMessageA(editor, WM_SETFOCUS, 0, 0);
  for (char c : std::string("Hey %sn")) PostMessageA(editor, WM_CHAR, static_cast<WPARAM>(c), 0);
  ASSERT_TRUE(WaitUntil(app, 5000, [&] { return WindowText(editor) == "Hey %sn"; }));
  Press(main, kSaveToList);
  HWND saveAs = nullptr;
  ASSERT_TRUE(WaitUntil(app, 10000, [&] {
    saveAs = FindWindowA("QuorvelToolWindow", "Save Greeter As:");
    return saveAs && IsWindowVisible(saveAs);
  }));
  const std::string design = Narrow(names_.Design);
  Ask(GetDlgItem(saveAs, kSaveAsName), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(design.c_str()));
  Press(saveAs, kSaveAsSave);
  const std::wstring designFile = At(L"Designs\\" + names_.Design + L".rtf");
  EXPECT_TRUE(WaitUntil(app, 10000, [&] { return TakeFile(designFile).has_value(); }));
  EXPECT_NE(TakeFile(designFile).value_or("").find("Hey %sn"), std::string::npos);
  EXPECT_TRUE(WaitUntil(app, 5000, [&] { return TakeFile(At(L"dlist.txt")) == "one\r\n" + design + "\r\n"; }))
      << TakeFile(At(L"dlist.txt")).value_or("(none)");

  const HWND designs = GetDlgItem(main, kDesignList);
  for (const auto& [index, text] : {std::pair<int, std::string>{0, "Hi %sn"}, {1, "Hey %sn"}}) {
    Ask(designs, LB_SETSEL, FALSE, -1);
    Ask(designs, LB_SETSEL, TRUE, index);
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(kDesignList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(designs));
    EXPECT_TRUE(WaitUntil(app, 5000, [&] { return WindowText(editor) == text; }))
        << index << ": " << WindowText(editor);
  }

  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(app.WaitForExit(10000));
}

// Answers every file dialog with one path.
class FixedFileDialogs final : public Dialogs {
 public:
  explicit FixedFileDialogs(std::string path) : path_(std::move(path)) {}
  DialogAnswer ShowMessage(const std::string& text, const std::string&, MessageButtons, MessageIcon) override {
    messages.push_back(text);
    return DialogAnswer::Ok;
  }
  std::optional<std::string> AskFile(const FileDialogRequest&) override { return path_; }
  std::optional<std::uint32_t> AskColor(std::uint32_t current) override { return current; }
  std::string path_;
  std::vector<std::string> messages;
};

TEST_F(NonWesternFolder, StatisticsRecordingAndRegistryScriptsAreSavedThere) {
  // What the entry point does at start-up.
  ScopedSystemCodePage codePage(static_cast<int>(GetACP()));
  const std::string folder = Narrow(folder_);
  testing::Win32World world;
  FixedFileDialogs dialogs(InFolder(folder, Narrow(names_.Nick) + ".txt"));
  Host host{world.clock, world.random, world.pump, dialogs, world.shell};
  Bot bot{world.settings, world.desktop, world.registry, host, world.view, folder};

  world.settings.Stats.VisitorNicks.Items = {Nick()};
  world.settings.Stats.VisitorCounts.Items = {"3"};
  world.settings.Stats.VisitorLastSeen.Items = {"12/09/2026"};
  SaveStats(bot);
  EXPECT_EQ(TakeFile(At(names_.Nick + L".txt")).value_or("").find(Nick()), 0u);
  world.settings.Stats.VisitorNicks.Items.clear();
  LoadStats(bot);
  EXPECT_EQ(world.settings.Stats.VisitorNicks.Items, std::vector<std::string>{Nick()});

  world.settings.Recorder.RecorderBuffer.Items = {Nick() + ": hello"};
  SaveRecording(bot);
  EXPECT_EQ(TakeFile(At(names_.Nick + L".txt")), Nick() + ": hello\t\r\n\r\n");
  EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front();

  // The recorder's own folder is made beside the program.
  world.settings.Recorder.RecorderBuffer.Items = {"Ann: hi"};
  FlushRecorder(bot);
  EXPECT_NE(GetFileAttributesW(At(L"recorder").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(world.settings.Recorder.RecorderBuffer.Items.empty());

  // A REGEDIT4 script written there and read back.
  RegAccess reg(world.registry);
  const std::string key = "HKCU\\Software\\Quorvel Test Folder";
  ASSERT_TRUE(reg.WriteString(key, "who", Nick()));
  const std::string script = InFolder(folder, Narrow(names_.Design) + ".reg");
  EXPECT_TRUE(reg.ExportToReg(key, script, false));
  EXPECT_TRUE(TakeFile(At(names_.Design + L".reg")).has_value());
  reg.KillKey(key);
  EXPECT_TRUE(reg.ImportFromReg(script));
  EXPECT_EQ(reg.ReadString(key, "who", ""), Nick());
  reg.KillKey(key);
}

}  // namespace
}  // namespace quorvel
