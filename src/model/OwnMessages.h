#pragma once
// What the bot itself said lately. Its messages come back in the transcript
// under the signed-in nick; one that reads like a command must not be obeyed
// as the operator's.
#include <deque>
#include <string>

namespace quorvel {

// How long a message of the bot's own is known as such.
inline constexpr double kOwnMessageSeconds = 10;

struct OwnMessages {
  struct Said {
    std::string Text;  // as the room shows it: plain text, lower case, blanks trimmed
    double At = 0;     // the monotonic clock's seconds
  };
  std::deque<Said> Recent;
};

// Notes the plain text of a message the bot sent at `now`.
void NoteOwnMessage(OwnMessages& own, const std::string& plainText, double now);
// Whether `text` (the body of a message under the bot's nick) is one the bot
// sent within the last kOwnMessageSeconds.
bool IsOwnMessage(const OwnMessages& own, const std::string& text, double now);

}  // namespace quorvel
