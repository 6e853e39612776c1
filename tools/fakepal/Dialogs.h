#pragma once
// The client's two dialogs, built from ClientLayout: the "Notice from Paltalk"
// window, and the admin join dialog its main window opens on the admin-join
// command. Closing either, by OK, Cancel or its close box, goes in the journal.
#include "FakePalApp.h"

namespace fakepal {

void OpenNotice(App& app);

// Opens the admin join dialog unless it is open already; its combo box offers
// the app's admin rooms.
void OpenAdminDialog(App& app);

}  // namespace fakepal
