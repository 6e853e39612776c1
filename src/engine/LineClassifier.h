#pragma once
#include <string>

#include "model/ChatLine.h"

namespace quorvel {

// The classification steps, each over the current RawLine.
void ClassifyText(ChatLine& line);  // the piece after the last ": "
// The nick before " has joined the ", when no "NICK: " stands before it;
// whether the line is such a join notice.
bool ClassifyJoin(ChatLine& line);
void ClassifySender(ChatLine& line);   // the nick before the first ": "
void ClassifyMarker(ChatLine& line);   // RawLine trimmed, for the whisper end
void TakeWhisperText(ChatLine& line);  // the whole RawLine becomes Text
void CleanUpNicks(ChatLine& line);     // line feeds out of Sender and JoinedNick

// What one message is to the features. A field the message gives nothing
// keeps its value for the panel, but no feature acts on it for this message.
struct MessageRoles {
  bool Chat = false;        // "NICK: text": Sender and Text are this message's own
  bool Join = false;        // a join notice: JoinedNick is this message's own
  bool WhisperEnd = false;  // the line that ends a whisper block
};

// One message (its CRs still in it) into RawLine and the fields it yields.
MessageRoles ClassifyMessage(ChatLine& line, const std::string& message);
// At a whisper's end the panel shows the whisper's text line, whole: what
// it says was acted on when it arrived, under the nick written on it.
void ShowWhisperLine(ChatLine& line, const std::string& textLine);

}  // namespace quorvel
