#include "MainWindow.h"

#include <string>

#include "Dialogs.h"
#include "FakePalApp.h"
#include "FakePalProtocol.h"
#include "PumpProbe.h"
#include "TestProtocol.h"

namespace fakepal {

LRESULT CALLBACK MainProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  App& app = TheApp();
  if (message == SendProbeLaterMessage()) return SendPumpProbe(app), 0;
  switch (message) {
    case WM_COPYDATA:
      return OnCopyData(app, *reinterpret_cast<const COPYDATASTRUCT*>(l));
    case kHangMessage:
      Sleep(static_cast<DWORD>(w));
      return 0;
    case kQuitMessage:
      ExitProcess(0);
    case WM_COMMAND:
      app.Log.Write("COMMAND\t" + std::to_string(LOWORD(w)) + "\t-");
      if (LOWORD(w) == quorvel::kCommandAdminJoin) OpenAdminDialog(app);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, w, l);
  }
}

}  // namespace fakepal
