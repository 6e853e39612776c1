#pragma once
// The tests' side of FakePalProtocol.h: a WM_COPYDATA sent to the main window
// is one command, answered 1 when fakepal did it and 0 when it could not.
#include <windows.h>

#include "FakePalApp.h"

namespace fakepal {

LRESULT OnCopyData(App& app, const COPYDATASTRUCT& data);

}  // namespace fakepal
