#include "engine/LineClassifier.h"

#include "text/AnsiText.h"
#include "text/Occurs.h"

namespace quorvel {

void ClassifyText(ChatLine& line) {
  if (!Occurs(line.RawLine, ": ")) return;
  const size_t last = line.RawLine.rfind(": ");
  line.Text = AnsiLower(RemoveLoneCarriageReturns(TrimLeadingBlanks(line.RawLine.substr(last + 2))));
}

void ClassifyJoin(ChatLine& line) {
  if (!Occurs(line.RawLine, kJoinMark)) return;
  const size_t mark = line.RawLine.find(kJoinMark);
  line.JoinedNick = TrimLeadingBlanks(RemoveAll(line.RawLine.substr(0, mark), "***"));
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

void CleanUpNicks(ChatLine& line) {
  line.Sender = RemoveChar(line.Sender, '\n');
  line.JoinedNick = TrimLeadingBlanks(RemoveChar(line.JoinedNick, '\n'));
}

}  // namespace quorvel
