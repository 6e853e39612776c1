#include "model/OwnMessages.h"

#include <algorithm>

#include "text/AnsiText.h"

namespace quorvel {
namespace {

// A busy bot says a few things a second; this many cover the window with room to spare.
constexpr std::size_t kMostRemembered = 256;

std::string Comparable(const std::string& text) { return AnsiLower(TrimBlanks(RemoveChar(text, '\r'))); }

}  // namespace

void NoteOwnMessage(OwnMessages& own, const std::string& plainText, double now) {
  while (!own.Recent.empty() &&
         (now - own.Recent.front().At > kOwnMessageSeconds || own.Recent.size() >= kMostRemembered))
    own.Recent.pop_front();
  own.Recent.push_back({Comparable(plainText), now});
}

bool IsOwnMessage(const OwnMessages& own, const std::string& text, double now) {
  const std::string wanted = Comparable(text);
  return std::any_of(own.Recent.begin(), own.Recent.end(), [&](const OwnMessages::Said& said) {
    return said.Text == wanted && now - said.At <= kOwnMessageSeconds;
  });
}

}  // namespace quorvel
