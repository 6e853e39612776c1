#include "RichEdit.h"

namespace fakepal {

namespace {

DWORD CALLBACK CollectStream(DWORD_PTR cookie, LPBYTE bytes, LONG size, LONG* done) {
  reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<char*>(bytes), static_cast<size_t>(size));
  *done = size;
  return 0;
}

}  // namespace

LONG TextLength(HWND edit) {
  GETTEXTLENGTHEX gtl = {GTL_NUMCHARS | GTL_PRECISE, 1200};
  return static_cast<LONG>(SendMessageW(edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gtl), 0));
}

void AppendLine(HWND edit, const std::string& text) {
  CHARRANGE end = {-1, -1};
  SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
  const std::string line = text + "\r";
  SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(line.c_str()));
}

void DropFirstCharacters(HWND edit, LONG count) {
  CHARRANGE head = {0, count};
  SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&head));
  SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(""));
}

std::string PlainText(HWND edit) {
  GETTEXTEX gt = {};
  std::string buffer(65536, '\0');
  gt.cb = static_cast<DWORD>(buffer.size());
  gt.flags = GT_DEFAULT;
  gt.codepage = CP_ACP;
  const LRESULT n =
      SendMessageA(edit, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&gt), reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return buffer;
}

std::string StreamOutRtf(HWND edit) {
  std::string rtf;
  EDITSTREAM es = {};
  es.dwCookie = reinterpret_cast<DWORD_PTR>(&rtf);
  es.pfnCallback = CollectStream;
  SendMessageA(edit, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&es));
  return rtf;
}

CHARFORMAT2W FormatAt(HWND edit, LONG cp) {
  CHARRANGE range = {cp, cp + 1};
  SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  CHARFORMAT2W cf = {};
  cf.cbSize = sizeof cf;
  SendMessageW(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
  return cf;
}

}  // namespace fakepal
