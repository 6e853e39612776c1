#pragma once
// The "Fast Admin" frame of the "Admin" tab and its entry window.
#include "model/Bot.h"

namespace quorvel {

inline constexpr const char* kFastAdminEntryCaption = "Fast Admin";

void FastAdminOpenEntry(Bot& bot);  // "Add"
void FastAdminEntryAdd(Bot& bot);   // the entry window's "Add"
void FastAdminDelete(Bot& bot);
void FastAdminSave(Bot& bot);  // nicks.txt, then codes.txt
void FastAdminJoin(Bot& bot);  // "Join"

}  // namespace quorvel
