#include "text/PhraseMatcher.h"

#include <algorithm>
#include <deque>

#include "text/CodePage.h"
#include "text/Occurs.h"

namespace quorvel {

PhraseMatcher::PhraseMatcher(const std::vector<std::string>& phrases, MatchRule rule) : rule_(rule) { Build(phrases); }

std::uint32_t PhraseMatcher::Child(std::uint32_t node, unsigned char byte) const {
  const auto& next = nodes_[node].Next;
  const auto it = std::lower_bound(next.begin(), next.end(), std::make_pair(byte, std::uint32_t{0}),
                                   [](const auto& a, const auto& b) { return a.first < b.first; });
  return it != next.end() && it->first == byte ? it->second : kNone;
}

std::uint32_t PhraseMatcher::Step(std::uint32_t node, unsigned char byte) const {
  while (node != 0) {
    const std::uint32_t child = Child(node, byte);
    if (child != kNone) return child;
    node = nodes_[node].Fail;
  }
  return rootNext_[byte];
}

void PhraseMatcher::Build(const std::vector<std::string>& phrases) {
  nodes_.assign(1, Node{});
  endings_.assign(1, {});
  for (size_t index = 0; index < phrases.size(); ++index) {
    const auto id = static_cast<std::uint32_t>(index);
    if (phrases[index].empty()) {
      emptyPhrases_.push_back(id);
      continue;
    }
    std::uint32_t node = 0;
    for (const char c : phrases[index]) {
      const auto byte = static_cast<unsigned char>(c);
      std::uint32_t child = Child(node, byte);
      if (child == kNone) {
        child = static_cast<std::uint32_t>(nodes_.size());
        auto& next = nodes_[node].Next;
        next.insert(std::upper_bound(next.begin(), next.end(), std::make_pair(byte, std::uint32_t{0}),
                                     [](const auto& a, const auto& b) { return a.first < b.first; }),
                    {byte, child});
        nodes_.push_back(Node{});
        nodes_.back().Depth = nodes_[node].Depth + 1;
        endings_.emplace_back();
      }
      node = child;
    }
    endings_[node].push_back(id);
    nodes_[node].FirstPhrase = std::min(nodes_[node].FirstPhrase, id);
  }
  for (unsigned byte = 0; byte < 256; ++byte) {
    const std::uint32_t child = Child(0, static_cast<unsigned char>(byte));
    rootNext_[byte] = child == kNone ? 0 : child;
  }
  // Breadth first, so that every fail target is finished before it is used.
  std::deque<std::uint32_t> queue;
  for (const auto& [byte, child] : nodes_[0].Next) queue.push_back(child);
  nodes_[0].Output = kNone;
  while (!queue.empty()) {
    const std::uint32_t node = queue.front();
    queue.pop_front();
    Node& n = nodes_[node];
    const Node& fail = nodes_[n.Fail];
    n.Output = n.FirstPhrase != kNone ? node : fail.Output;
    n.FirstReachable = std::min(n.FirstPhrase, fail.FirstReachable);
    for (const auto& [byte, child] : n.Next) {
      nodes_[child].Fail = node == 0 ? 0 : Step(n.Fail, byte);
      queue.push_back(child);
    }
  }
}

// Looking for every entry in the message with a blank on each side gives
// EntryOccurs for all of them at once: an entry that neither begins nor ends
// with a blank cannot take in either added blank.
std::vector<size_t> PhraseMatcher::Hits(std::string_view text) const {
  if (text.empty() || rule_ == MatchRule::Substring) return HitsIn(text);
  return HitsIn(WithWordEnds(text));
}

std::optional<size_t> PhraseMatcher::FirstHit(std::string_view text) const {
  if (text.empty() || rule_ == MatchRule::Substring) return FirstHitIn(text);
  return FirstHitIn(WithWordEnds(text));
}

std::vector<size_t> PhraseMatcher::HitsIn(std::string_view text) const {
  std::vector<size_t> hits;
  if (text.empty() || nodes_.empty()) return hits;
  hits.assign(emptyPhrases_.begin(), emptyPhrases_.end());
  // Where characters start; in a single-byte code page every byte does.
  std::vector<bool> starts;
  if (const int codePage = SystemCodePage(); IsDoubleByteCodePage(codePage)) {
    starts.assign(text.size(), true);
    for (size_t i = 0; i + 1 < text.size(); ++i)
      if (IsLeadByte(codePage, static_cast<unsigned char>(text[i]))) starts[++i] = false;
  }
  std::uint32_t node = 0;
  for (size_t end = 0; end < text.size(); ++end) {
    node = Step(node, static_cast<unsigned char>(text[end]));
    for (std::uint32_t out = nodes_[node].Output; out != kNone; out = nodes_[nodes_[out].Fail].Output) {
      if (!starts.empty() && !starts[end + 1 - nodes_[out].Depth]) continue;
      hits.insert(hits.end(), endings_[out].begin(), endings_[out].end());
    }
  }
  // A phrase found at several places is one hit.
  std::sort(hits.begin(), hits.end());
  hits.erase(std::unique(hits.begin(), hits.end()), hits.end());
  return hits;
}

std::optional<size_t> PhraseMatcher::FirstHitIn(std::string_view text) const {
  if (text.empty() || nodes_.empty()) return std::nullopt;
  if (IsDoubleByteCodePage(SystemCodePage())) {
    const auto hits = HitsIn(text);
    if (hits.empty()) return std::nullopt;
    return hits.front();
  }
  std::uint32_t best = emptyPhrases_.empty() ? kNone : emptyPhrases_.front();
  std::uint32_t node = 0;
  for (const char c : text) {
    node = Step(node, static_cast<unsigned char>(c));
    best = std::min(best, nodes_[node].FirstReachable);
  }
  if (best == kNone) return std::nullopt;
  return best;
}

}  // namespace quorvel
