#pragma once
#include <string>

namespace quorvel {

// The engine's one record of the newest transcript line. Fields keep their
// values from tick to tick and change only when the newest line yields one.
struct ChatLine {
  std::string RawLine;
  std::string Text;  // always lower case
  std::string Sender;
  std::string JoinedNick;
  std::string MarkerLine;
};

inline constexpr const char* kWhisperEndMarker = "***** End Whisper";
inline constexpr const char* kJoinMark = " has joined the ";

// The classification steps of a tick, each over the current RawLine.
void ClassifyText(ChatLine& line);     // the piece after the last ": "
void ClassifyJoin(ChatLine& line);     // the nick before " has joined the "
void ClassifySender(ChatLine& line);   // the nick before the first ": "
void ClassifyMarker(ChatLine& line);   // RawLine trimmed, for the whisper end
void TakeWhisperText(ChatLine& line);  // the whole RawLine becomes Text
void CleanUpNicks(ChatLine& line);     // line feeds out of Sender and JoinedNick

}  // namespace quorvel
