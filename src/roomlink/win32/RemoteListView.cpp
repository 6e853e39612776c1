#include "roomlink/win32/RemoteListView.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace quorvel {
namespace {

constexpr int kItemTextBuffer = 255;

// The list-view item record of a 32-bit process: ten 4-byte fields.
struct ListItem32 {
  std::uint32_t mask, iItem, iSubItem, state, stateMask, pszText, cchTextMax, iImage, lParam, iIndent;
};
static_assert(sizeof(ListItem32) == 40, "the 32-bit list-view item record is 40 bytes");

template <typename Record>
void PrepareTextRecord(Record& record, void* remoteText) {
  std::memset(&record, 0, sizeof record);
  record.mask = LVIF_TEXT;
  record.iSubItem = 0;
  record.cchTextMax = kItemTextBuffer;
  if constexpr (std::is_same_v<Record, ListItem32>) {
    record.pszText = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(remoteText));
  } else {
    record.pszText = static_cast<LPSTR>(remoteText);
  }
}

// Item records and text buffers of this many items share one remote block;
// longer lists are read through it in turns.
constexpr std::size_t kItemsPerBlock = 512;

// One remote block holds a record per item, each pointing at its own text
// buffer behind the records. The records are written once; then one
// LVM_GETITEMTEXTA per item, and the buffers are read back at once per turn.
template <typename Record>
std::vector<std::string> ReadItemTexts(const RemoteProcess& process, const Sender& send) {
  std::vector<std::string> texts;
  const auto count = send.A(LVM_GETITEMCOUNT, 0, 0);
  if (!count || *count <= 0) return texts;
  const std::size_t total = static_cast<std::size_t>(*count);
  const std::size_t perTurn = std::min(total, kItemsPerBlock);
  const std::size_t recordBytes = perTurn * sizeof(Record);
  RemoteBlock block(process, recordBytes + perTurn * kItemTextBuffer);
  if (!block.Valid()) return texts;
  char* const base = static_cast<char*>(block.Address());
  std::vector<Record> records(perTurn);
  for (std::size_t k = 0; k < perTurn; ++k) PrepareTextRecord(records[k], base + recordBytes + k * kItemTextBuffer);
  if (!block.Write(records.data(), recordBytes)) return texts;

  std::vector<char> buffers(perTurn * kItemTextBuffer);
  std::vector<bool> empty(perTurn);
  texts.reserve(total);
  for (std::size_t first = 0; first < total; first += perTurn) {
    const std::size_t wanted = std::min(perTurn, total - first);
    // Any failing step means the client or its window went away: what was
    // read so far stands, nothing more is read.
    std::size_t answered = 0;
    for (; answered < wanted; ++answered) {
      const auto length = send.A(LVM_GETITEMTEXTA, static_cast<WPARAM>(first + answered),
                                 reinterpret_cast<LPARAM>(base + answered * sizeof(Record)));
      if (!length) break;
      // No characters copied: an item gone since the count leaves the buffer as it was.
      empty[answered] = *length <= 0;
    }
    if (answered == 0 || !block.Read(buffers.data(), answered * kItemTextBuffer, recordBytes)) break;
    for (std::size_t k = 0; k < answered; ++k) {
      const char* text = buffers.data() + k * kItemTextBuffer;
      const void* zero = std::memchr(text, 0, kItemTextBuffer);
      const std::size_t size = empty[k] ? 0 : zero ? static_cast<const char*>(zero) - text : kItemTextBuffer;
      texts.emplace_back(text, size);
    }
    if (answered < wanted) break;
  }
  return texts;
}

// One item's text: its record and buffer in one remote block, one LVM_GETITEMTEXTA.
template <typename Record>
std::string ReadOneItemText(const RemoteProcess& process, const Sender& send, int index) {
  RemoteBlock block(process, sizeof(Record) + kItemTextBuffer);
  if (!block.Valid()) return {};
  char* const base = static_cast<char*>(block.Address());
  Record record;
  PrepareTextRecord(record, base + sizeof(Record));
  if (!block.Write(&record, sizeof record)) return {};
  const auto length = send.A(LVM_GETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(base));
  if (!length || *length <= 0) return {};  // no such item: nothing copied
  char text[kItemTextBuffer];
  if (!block.Read(text, sizeof text, sizeof(Record))) return {};
  const void* zero = std::memchr(text, 0, sizeof text);
  return std::string(text, zero ? static_cast<const char*>(zero) - text : sizeof text);
}

template <typename Record>
Record StateRecord(UINT state, UINT stateMask) {
  Record record;
  std::memset(&record, 0, sizeof record);
  record.mask = LVIF_STATE;
  record.state = state;
  record.stateMask = stateMask;
  return record;
}

// Item -1 stands for every item: the selection is cleared first, so that in a
// list allowing several selections the operator's own does not stay beside
// the item, leaving it to the client which of them a command acts on.
template <typename Record>
void SelectOnly(const RemoteProcess& process, const Sender& send, int index) {
  RemoteBlock block(process, sizeof(Record));
  if (!block.Valid()) return;
  const LPARAM remote = reinterpret_cast<LPARAM>(block.Address());
  const Record clear = StateRecord<Record>(0, LVIS_SELECTED);
  if (block.Write(&clear, sizeof clear)) send.A(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), remote);
  const Record select = StateRecord<Record>(0xFFFFFFFF, LVIS_SELECTED | LVIS_FOCUSED);
  if (block.Write(&select, sizeof select)) send.A(LVM_SETITEMSTATE, static_cast<WPARAM>(index), remote);
}

}  // namespace

std::vector<std::string> ReadListViewTexts(const RemoteProcess& process, const Sender& send) {
  return process.Is32Bit() ? ReadItemTexts<ListItem32>(process, send) : ReadItemTexts<LVITEMA>(process, send);
}

std::string ReadListViewText(const RemoteProcess& process, const Sender& send, int index) {
  return process.Is32Bit() ? ReadOneItemText<ListItem32>(process, send, index)
                           : ReadOneItemText<LVITEMA>(process, send, index);
}

void SelectListViewItem(const RemoteProcess& process, const Sender& send, int index) {
  if (process.Is32Bit()) {
    SelectOnly<ListItem32>(process, send, index);
  } else {
    SelectOnly<LVITEMA>(process, send, index);
  }
}

}  // namespace quorvel
