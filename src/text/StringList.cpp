#include "text/StringList.h"

#include <algorithm>

namespace quorvel {

bool StringList::Contains(const std::string& item) const {
  return std::find(items_.begin(), items_.end(), item) != items_.end();
}

const PhraseMatcher& StringList::Built(MatchRule rule) const {
  Cached& cached = matchers_[rule == MatchRule::Substring ? 0 : 1];
  if (!cached.Matcher || cached.Revision != revision_) {
    cached.Matcher = std::make_shared<const PhraseMatcher>(items_, rule);
    cached.Revision = revision_;
  }
  return *cached.Matcher;
}

}  // namespace quorvel
