// fakepal.exe: a look-alike of the Paltalk client's windows for the Windows
// tests. Its windows are built from ClientLayout, so they carry the classes,
// titles and nesting the bot looks for; its transcript and send box are real
// rich-edit controls and its nick list a real list view. Tests drive it through
// FakePalProtocol.h and read what the bot did in its journal (Journal.h); its
// command line is in CommandLine.h.
#include <windows.h>

#include <commctrl.h>

#include "CommandLine.h"
#include "FakePalApp.h"
#include "MainWindow.h"
#include "RoomWindow.h"

namespace fakepal {

namespace {

App g;  // the one client this process is; fakepal is a test fixture, not the bot

void RegisterClasses(HINSTANCE instance) {
  auto reg = [instance](const char* name, WNDPROC proc) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
    RegisterClassA(&wc);
  };
  reg(quorvel::kMainWindowClass, MainProcedure);
  reg(quorvel::kRoomWindowClass, RoomProcedure);
  reg(quorvel::kSplitterClass, DefWindowProcA);
  reg(quorvel::kPaneContainerClass, DefWindowProcA);
  reg(quorvel::kNickHostClass, DefWindowProcA);
}

}  // namespace

App& TheApp() { return g; }

}  // namespace fakepal

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  fakepal::App& app = fakepal::TheApp();
  app.Instance = instance;
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  LoadLibraryA("riched20.dll");
  fakepal::RegisterClasses(instance);

  app.Main = CreateWindowExA(0, quorvel::kMainWindowClass, quorvel::kMainWindowTitle, WS_OVERLAPPEDWINDOW, 0, 0, 300,
                             200, nullptr, nullptr, instance, nullptr);
  fakepal::ApplyCommandLine(app, __argc, __argv);
  app.Log.Write("READY");

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
