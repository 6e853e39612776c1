#pragma once
#include "model/ChatLine.h"

namespace quorvel {

// The classification steps of a tick, each over the current RawLine.
void ClassifyText(ChatLine& line);     // the piece after the last ": "
void ClassifyJoin(ChatLine& line);     // the nick before " has joined the "
void ClassifySender(ChatLine& line);   // the nick before the first ": "
void ClassifyMarker(ChatLine& line);   // RawLine trimmed, for the whisper end
void TakeWhisperText(ChatLine& line);  // the whole RawLine becomes Text
void CleanUpNicks(ChatLine& line);     // line feeds out of Sender and JoinedNick

}  // namespace quorvel
