#include "panel/win32/RichEditBridge.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>

namespace quorvel {
namespace {

struct Reader {
  const std::string* Text;
  size_t Offset;
};

DWORD CALLBACK ReadChunk(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
  auto* r = reinterpret_cast<Reader*>(cookie);
  const size_t n = std::min(static_cast<size_t>(size), r->Text->size() - r->Offset);
  std::memcpy(buffer, r->Text->data() + r->Offset, n);
  r->Offset += n;
  *done = static_cast<LONG>(n);
  return 0;
}

DWORD CALLBACK WriteChunk(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
  reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<char*>(buffer), static_cast<size_t>(size));
  *done = size;
  return 0;
}

}  // namespace

void StreamInRtf(HWND edit, const std::string& rtf) {
  Reader reader{&rtf, 0};
  EDITSTREAM es = {};
  es.dwCookie = reinterpret_cast<DWORD_PTR>(&reader);
  es.pfnCallback = ReadChunk;
  SendMessageA(edit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&es));
}

std::string StreamOutRtf(HWND edit) {
  std::string rtf;
  EDITSTREAM es = {};
  es.dwCookie = reinterpret_cast<DWORD_PTR>(&rtf);
  es.pfnCallback = WriteChunk;
  SendMessageA(edit, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&es));
  return rtf;
}

}  // namespace quorvel
