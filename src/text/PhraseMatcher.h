#pragma once
// Which phrases of a list occur in a text, found in one pass over the text
// (Aho-Corasick) instead of one search per phrase, so that a tick does not
// slow down as the operator's lists grow. Answers follow the substring rule
// of Occurs (or, for a phrase list, of EntryOccurs): an empty phrase occurs
// in every non-empty text, nothing occurs in an empty text. Duplicate phrases
// each answer for their own index.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

enum class MatchRule {
  Substring,  // Occurs: nicks, stamps, quoted replies
  Entries,    // EntryOccurs: the entries of a phrase list, where a blank at an end means a word boundary
};

class PhraseMatcher {
 public:
  PhraseMatcher() = default;
  explicit PhraseMatcher(const std::vector<std::string>& phrases, MatchRule rule = MatchRule::Substring);

  // The indices of every phrase that occurs in the text, in list order.
  std::vector<size_t> Hits(std::string_view text) const;
  // The first phrase in list order that occurs in the text. In a double-byte
  // code page a match must start on a character, as Occurs requires.
  std::optional<size_t> FirstHit(std::string_view text) const;
  bool AnyHit(std::string_view text) const { return FirstHit(text).has_value(); }

 private:
  static constexpr std::uint32_t kNone = UINT32_MAX;
  struct Node {
    std::vector<std::pair<unsigned char, std::uint32_t>> Next;  // sorted by byte
    std::uint32_t Fail = 0;
    std::uint32_t Output = kNone;          // the nearest node on the fail chain (itself included) ending a phrase
    std::uint32_t FirstPhrase = kNone;     // the lowest phrase index ending exactly here
    std::uint32_t FirstReachable = kNone;  // the lowest index ending here or anywhere on the fail chain
    std::uint32_t Depth = 0;               // the length of the phrases ending here
  };
  std::uint32_t Child(std::uint32_t node, unsigned char byte) const;
  std::uint32_t Step(std::uint32_t node, unsigned char byte) const;
  void Build(const std::vector<std::string>& phrases);
  std::vector<size_t> HitsIn(std::string_view text) const;
  std::optional<size_t> FirstHitIn(std::string_view text) const;

  MatchRule rule_ = MatchRule::Substring;
  std::vector<Node> nodes_;
  std::uint32_t rootNext_[256] = {};                 // the root's moves, all 256 answered
  std::vector<std::vector<std::uint32_t>> endings_;  // phrase indices per node
  std::vector<std::uint32_t> emptyPhrases_;
};

}  // namespace quorvel
