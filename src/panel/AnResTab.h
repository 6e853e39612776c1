#pragma once
// The "An/Res" tab's list frames: the responder's pairs and the announcements.
#include "model/Bot.h"

namespace quorvel {

void ResponderAdd(Bot& bot);
void ResponderDelete(Bot& bot);
void ResponderSave(Bot& bot);  // mes.txt, then ans.txt
void ResponderClear(Bot& bot);

void AnnouncerAdd(Bot& bot);  // appends and writes ans3.txt
void AnnouncerDelete(Bot& bot);
void AnnouncerClear(Bot& bot);
// A click on an announcement: selected, and its text into AnnounceBuffer.
void PickAnnouncement(Bot& bot, size_t entry);

}  // namespace quorvel
