#pragma once
// An ordered list of texts that knows when it changed. Every change moves its
// revision on, so an index built over the list (the phrase matcher) is built
// again only after the list really changed, never on every tick. Entries are
// read freely but written only through the calls below.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "text/PhraseMatcher.h"

namespace quorvel {

class StringList {
 public:
  using value_type = std::string;
  using const_iterator = std::vector<std::string>::const_iterator;
  using iterator = const_iterator;

  StringList() = default;
  StringList(std::initializer_list<std::string> items) : items_(items) {}
  StringList(std::vector<std::string> items) : items_(std::move(items)) {}  // NOLINT: a list is its texts
  StringList(const StringList&) = default;
  StringList& operator=(const StringList& other) { return Assign(other.items_); }
  StringList& operator=(std::vector<std::string> items) { return Assign(std::move(items)); }
  StringList& operator=(std::initializer_list<std::string> items) { return Assign(std::vector<std::string>(items)); }

  size_t size() const { return items_.size(); }
  // Whether an entry is exactly `item`.
  bool Contains(const std::string& item) const;
  bool empty() const { return items_.empty(); }
  const std::string& operator[](size_t i) const { return items_[i]; }
  const std::string& front() const { return items_.front(); }
  const std::string& back() const { return items_.back(); }
  const_iterator begin() const { return items_.begin(); }
  const_iterator end() const { return items_.end(); }
  const std::vector<std::string>& Vector() const { return items_; }
  operator const std::vector<std::string>&() const { return items_; }  // NOLINT: read as a plain list

  void push_back(std::string item) {
    items_.push_back(std::move(item));
    Touch();
  }
  void Append(const std::vector<std::string>& items) {
    items_.insert(items_.end(), items.begin(), items.end());
    Touch();
  }
  void Set(size_t i, std::string item) {
    items_[i] = std::move(item);
    Touch();
  }
  const_iterator insert(const_iterator at, std::string item) {
    Touch();
    return items_.insert(at, std::move(item));
  }
  const_iterator erase(const_iterator at) {
    Touch();
    return items_.erase(at);
  }
  void clear() {
    items_.clear();
    Touch();
  }

  std::uint64_t Revision() const { return revision_; }
  // The phrase matcher over the entries, built on first use after a change:
  // by the substring rule, or by the rule of a phrase list's entries.
  const PhraseMatcher& Matcher() const { return Built(MatchRule::Substring); }
  const PhraseMatcher& EntryMatcher() const { return Built(MatchRule::Entries); }

  friend bool operator==(const StringList& a, const StringList& b) { return a.items_ == b.items_; }
  friend bool operator==(const StringList& a, const std::vector<std::string>& b) { return a.items_ == b; }

 private:
  StringList& Assign(std::vector<std::string> items) {
    items_ = std::move(items);
    Touch();
    return *this;
  }
  void Touch() { ++revision_; }
  const PhraseMatcher& Built(MatchRule rule) const;

  std::vector<std::string> items_;
  std::uint64_t revision_ = 0;
  struct Cached {
    std::shared_ptr<const PhraseMatcher> Matcher;
    std::uint64_t Revision = 0;
  };
  mutable Cached matchers_[2];  // by MatchRule
};

}  // namespace quorvel
