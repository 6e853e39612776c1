#include "engine/LineClassifier.h"

#include "text/AnsiText.h"
#include "text/Occurs.h"

namespace quorvel {

void ClassifyText(ChatLine& line) {
  if (!Occurs(line.RawLine, ": ")) return;
  const size_t last = line.RawLine.rfind(": ");
  line.Text = AnsiLower(RemoveLoneCarriageReturns(TrimLeadingBlanks(line.RawLine.substr(last + 2))));
}

bool ClassifyJoin(ChatLine& line) {
  if (!Occurs(line.RawLine, kJoinMark)) return false;
  const size_t mark = line.RawLine.find(kJoinMark);
  // "Eve: Carol has joined the room" is Eve speaking, not Carol joining.
  if (line.RawLine.substr(0, mark).find(": ") != std::string::npos) return false;
  line.JoinedNick = TrimLeadingBlanks(RemoveAll(line.RawLine.substr(0, mark), "***"));
  return true;
}

void ClassifySender(ChatLine& line) {
  if (!Occurs(line.RawLine, ": ")) return;
  const size_t first = line.RawLine.find(": ");
  line.Sender = TrimLeadingBlanks(line.RawLine.substr(0, first));
}

void ClassifyMarker(ChatLine& line) { line.MarkerLine = RemoveLoneCarriageReturns(TrimLeadingBlanks(line.RawLine)); }

void TakeWhisperText(ChatLine& line) {
  line.Text = AnsiLower(RemoveLoneCarriageReturns(TrimLeadingBlanks(line.RawLine)));
}

MessageRoles ClassifyMessage(ChatLine& line, const std::string& message) {
  line.RawLine = RemoveChar(message, '\r');
  MessageRoles roles;
  roles.Chat = Occurs(line.RawLine, ": ");
  ClassifyText(line);
  const bool joinNotice = ClassifyJoin(line);
  ClassifySender(line);
  ClassifyMarker(line);
  roles.WhisperEnd = line.MarkerLine == kWhisperEndMarker;
  CleanUpNicks(line);
  roles.Join = joinNotice && !line.JoinedNick.empty();
  return roles;
}

void ShowWhisperLine(ChatLine& line, const std::string& textLine) {
  line.RawLine = RemoveChar(textLine, '\r');
  TakeWhisperText(line);
  line.MarkerLine.clear();
}

void CleanUpNicks(ChatLine& line) {
  line.Sender = RemoveChar(line.Sender, '\n');
  line.JoinedNick = TrimLeadingBlanks(RemoveChar(line.JoinedNick, '\n'));
}

}  // namespace quorvel
