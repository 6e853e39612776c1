#pragma once
// A list view of another process, through records written into its memory:
// its item texts and its selection. The process's bitness picks the records.
#include <string>
#include <vector>

#include "roomlink/win32/RemoteProcess.h"
#include "roomlink/win32/Sender.h"

namespace quorvel {

// Every item text, 255-byte buffer each; what was read until a call failed.
std::vector<std::string> ReadListViewTexts(const RemoteProcess& process, const Sender& send);
// Item `index` alone, one LVM_GETITEMTEXTA; empty when there is no such item.
std::string ReadListViewText(const RemoteProcess& process, const Sender& send, int index);
// Makes item `index` the only selected item, and the focused one.
void SelectListViewItem(const RemoteProcess& process, const Sender& send, int index);

}  // namespace quorvel
