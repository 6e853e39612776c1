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

}  // namespace quorvel
