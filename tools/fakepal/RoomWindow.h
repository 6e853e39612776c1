#pragma once
// A room window once built: finding it, its menu commands, closing it.
#include <windows.h>

#include <string>

#include "FakePalApp.h"

namespace fakepal {

// The open room of that title, null when none is.
Room* RoomByTitle(App& app, const std::string& title);

// The room whose window or send box this is, null when none.
Room* RoomOfWindow(App& app, HWND window);

// A room-menu command on the selected nick (on each of them, in a list that
// allows several selections): bounce removes it and says so in the
// transcript, red dot toggles its dot. Every command goes in the journal with
// the items it acted on, "-" for none.
void RoomCommand(const App& app, Room& room, int id);

void CloseRoom(Room& room);

// Appends a line to the room's transcript; a transcript that keeps N lines
// drops its oldest one when the N+1st arrives.
void AppendToTranscript(Room& room, const std::string& line);

// The procedure of the room window class.
LRESULT CALLBACK RoomProcedure(HWND window, UINT message, WPARAM w, LPARAM l);

}  // namespace fakepal
