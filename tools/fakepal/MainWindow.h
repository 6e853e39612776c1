#pragma once
// The client's main window: the tests' commands arrive here (TestProtocol.h),
// and so does the bot's admin-join command.
#include <windows.h>

namespace fakepal {

// The procedure of the main window class.
LRESULT CALLBACK MainProcedure(HWND window, UINT message, WPARAM w, LPARAM l);

}  // namespace fakepal
