#include "SendBox.h"

#include <string>

#include "ClientRegistry.h"
#include "RichEdit.h"
#include "RoomWindow.h"

namespace fakepal {

namespace {

LRESULT CALLBACK SendBoxProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  App& app = TheApp();
  if (message == WM_KEYDOWN && w == VK_RETURN) {
    if (Room* room = RoomOfWindow(app, window)) PostSendBox(app, *room);
    return 0;
  }
  return CallWindowProcW(app.SendBoxProc, window, message, w, l);
}

}  // namespace

void SubclassSendBox(App& app, HWND sendBox) {
  app.SendBoxProc =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrW(sendBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SendBoxProcedure)));
}

void PostSendBox(const App& app, Room& room) {
  const std::string rtf = StreamOutRtf(room.SendBox);
  std::string text = PlainText(room.SendBox);
  while (!text.empty() && text.back() == '\r') text.pop_back();
  for (char& c : text)
    if (c == '\r') c = ' ';
  std::string formats;  // per character: 'b' bold, '.' not
  if (!text.empty()) {
    const std::string prefix = SignedInNick() + ": ";
    const LONG base = TextLength(room.Transcript) + static_cast<LONG>(prefix.size());
    AppendToTranscript(room, prefix + text);
    for (LONG i = 0; i < static_cast<LONG>(text.size()); ++i) {
      CHARFORMAT2W cf = FormatAt(room.SendBox, i);
      CHARRANGE target = {base + i, base + i + 1};
      SendMessageW(room.Transcript, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&target));
      SendMessageW(room.Transcript, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
      formats.push_back((cf.dwMask & CFM_BOLD) && (cf.dwEffects & CFE_BOLD) ? 'b' : '.');
    }
  }
  SetWindowTextA(room.SendBox, "");
  app.Log.Write("SENT\t" + text + "\t" + formats + "\t" + OneLine(rtf));
}

}  // namespace fakepal
