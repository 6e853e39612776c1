#pragma once
#include "model/Bot.h"

namespace quorvel {

// The "Admins" frame of the "Admin" tab.
void AdminsAdd(Bot& bot);     // "Add": the box's text, as typed
void AdminsDelete(Bot& bot);  // "Delete": every selected entry
void AdminsSave(Bot& bot);    // "Save ": admins.txt

}  // namespace quorvel
