// The client report of fakepal's windows: written by the binding in this
// process, and by quorvel.exe when the operator asks for it on the status bar.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "FakePalProcess.h"
#include "FakePalProtocol.h"
#include "QuorvelWindow.h"
#include "Win32World.h"
#include "panel/ClientReportFile.h"
#include "panel/Startup.h"
#include "panel/win32/MainWindowIds.h"
#include "roomlink/ClientReport.h"
#include "roomlink/TextSender.h"
#include "storage/FileName.h"
#include "storage/WholeFile.h"

namespace quorvel {
namespace {

using testing::ChildProcess;
using testing::FakePalProcess;
using testing::WaitUntil;

bool Has(const std::string& report, const std::string& text) { return report.find(text) != std::string::npos; }

// What a report of fakepal with a room that lacks its nick list must hold.
void ExpectFakePalWithoutNickList(const std::string& report) {
  for (const char* text :
       {"\"seinfeld_superman\"", "\"DlgGroupChat Window Class\"", "\"SplitterWindowEx\"", "\"RichEdit20W\"",
        "\"ClassCPaneContainerEx\"", "\"ATL:NickListHost\"", "Selected room: \"Report Room\"",
        "Version string: \"10.1\"", "Nick list: missed; looked for: A \"SysListView32\"", "  <- transcript\r\n",
        "  <- send box\r\n", "Every call to the client was answered in time."})
    EXPECT_TRUE(Has(report, text)) << text << "\n" << report;
  EXPECT_FALSE(Has(report, "<- nick list"));
  // fakepal lays its windows out: real sizes, not the simulator's.
  EXPECT_FALSE(Has(report, "\"DlgGroupChat Window Class\" id 0 \"Report Room\" visible enabled 0x0"));
}

class ClientReportBindingTest : public ::testing::Test, protected testing::Win32World {
 protected:
  // fakepal with "Report Room" and the given window left out, and the bot attached to it.
  bool StartFakePal(const char* leftOut) {
    testing::InstallClient("10.1");
    pal = std::make_unique<FakePalProcess>("fakepal64.exe", std::vector<std::string>{leftOut, "--room", "Report Room"});
    if (!pal->Ready()) return false;
    CreateMainWindow(bot);
    LoadMainWindow(bot);
    return true;
  }

  std::unique_ptr<FakePalProcess> pal;
};

TEST_F(ClientReportBindingTest, ListsFakePalsWindowsAndSaysWhenItHangs) {
  ASSERT_TRUE(StartFakePal("--no-nicklist"));
  RoomLink link = bot.Link();
  const ReportHeader header{"11.0", WindowsVersionText(), "now"};
  ExpectFakePalWithoutNickList(ClientReportText(link, header));

  pal->Hang(3000);
  const std::string hung = ClientReportText(link, header);
  EXPECT_TRUE(Has(hung, "The client did not answer in time: it may be hung.")) << hung;
}

// fakepal without its send box has the transcript where the send box is
// looked for: the report marks it read-only, and no send types into it.
TEST_F(ClientReportBindingTest, TheTranscriptIsNeverTakenForTheSendBox) {
  ASSERT_TRUE(StartFakePal("--no-sendbox"));
  RoomLink link = bot.Link();
  EXPECT_EQ(ResolveSendBox(link), kNoWindow);
  const std::string report = ClientReportText(link, ReportHeader{"11.0", "", "now"});
  EXPECT_TRUE(Has(report, "\"RichEdit20W\" id 0 \"\" visible enabled ")) << report;
  EXPECT_TRUE(Has(report, " read-only lines ")) << report;
  EXPECT_TRUE(Has(report, "Send box: missed; looked for: ")) << report;
  TxtSendPal(link, "{\\rtf1\\ansi overwritten\\par}");
  ASSERT_TRUE(pal->Command(fakepal::kAppendLine, {"Report Room", "Ann: after"}));
  for (const auto& line : pal->JournalLines()) EXPECT_NE(line.rfind("SENT", 0), 0u) << line;
}

// While a test runs, the shell opens text files with nothing: no editor is
// left running when the test ends, whatever the Wine prefix associates with
// ".txt". (That the report is handed to the shell is checked by the
// simulator's scenarios.)
class TextFilesOpenNothing {
 public:
  TextFilesOpenNothing() { SetDefault("Software\\Classes\\.txt", "QuorvelTest.NoViewer"); }
  ~TextFilesOpenNothing() { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Classes\\.txt"); }
  TextFilesOpenNothing(const TextFilesOpenNothing&) = delete;
  TextFilesOpenNothing& operator=(const TextFilesOpenNothing&) = delete;

 private:
  static void SetDefault(const char* path, const std::string& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
      return;
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
  }
};

TEST(ClientReportProgramTest, StatusBarWritesTheReportBesideTheProgram) {
  testing::InstallClient("10.1");
  FakePalProcess pal("fakepal64.exe", {"--no-nicklist", "--room", "Report Room"});
  ASSERT_TRUE(pal.Ready());
  const TextFilesOpenNothing noViewer;
  const std::string reportFile = InFolder(testing::ExeDirectory(), kClientReportFile);
  DeleteFileA(reportFile.c_str());
  ChildProcess app("quorvel.exe", {});
  ASSERT_TRUE(app.Started());
  const HWND main = testing::WaitForMainWindow(app, true);
  ASSERT_NE(main, nullptr);
  const HWND bar = GetDlgItem(main, kHealthBar);
  ASSERT_NE(bar, nullptr);
  RECT barRect = {};
  GetClientRect(bar, &barRect);
  const int y = (barRect.bottom - barRect.top) / 2;

  // A double click anywhere on the bar; then a click on its last part.
  const std::vector<std::pair<UINT, int>> asks = {{WM_LBUTTONDBLCLK, 10}, {WM_LBUTTONUP, barRect.right - 30}};
  for (const auto& [message, x] : asks) {
    PostMessageA(bar, message, 0, MAKELPARAM(x, y));
    std::optional<std::string> report;
    EXPECT_TRUE(WaitUntil(app, 10000, [&] { return (report = ReadWholeFile(reportFile)).has_value(); }))
        << "message " << message;
    if (report) ExpectFakePalWithoutNickList(*report);
    DeleteFileA(reportFile.c_str());
  }
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(app.WaitForExit(10000));
}

}  // namespace
}  // namespace quorvel
