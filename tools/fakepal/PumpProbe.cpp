#include "PumpProbe.h"

#include "FakePalProtocol.h"
#include "NickList.h"
#include "RoomWindow.h"

namespace fakepal {

namespace {

// A bot that never pumps again leaves the client waiting this long at most.
constexpr UINT kProbeWaitMs = 30000;

}  // namespace

UINT SendProbeLaterMessage() { return RegisterWindowMessageA("FakePal.SendPumpProbe"); }

void SendPumpProbe(App& app) {
  if (!app.Pending) return;
  DWORD_PTR answer = 0;
  // Not SMTO_BLOCK: while it waits, this thread still answers the bot's calls
  // (its reads of the nick list before it pumps).
  const bool handled =
      SendMessageTimeoutA(app.Pending->BotWindow, RegisterWindowMessageA(kPumpProbeMessage),
                          reinterpret_cast<WPARAM>(app.Main), 0, SMTO_NORMAL, kProbeWaitMs, &answer) != 0;
  // A window that handled the probe without answering gets the items now;
  // a bot that never pumped, never.
  if (handled)
    ApplyPendingNicks(app);
  else
    app.Pending.reset();
}

bool ApplyPendingNicks(App& app) {
  if (!app.Pending) return false;
  const PendingNicks pending = *app.Pending;
  app.Pending.reset();
  Room* room = RoomByTitle(app, pending.RoomTitle);
  if (!room) return false;
  SetNicks(room->NickList, pending.Items);
  app.Log.Write("PUMPED\t" + pending.RoomTitle);
  return true;
}

}  // namespace fakepal
