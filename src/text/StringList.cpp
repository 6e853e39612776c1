#include "text/StringList.h"

namespace quorvel {

const PhraseMatcher& StringList::Built(MatchRule rule) const {
  Cached& cached = matchers_[rule == MatchRule::Substring ? 0 : 1];
  if (!cached.Matcher || cached.Revision != revision_) {
    cached.Matcher = std::make_shared<const PhraseMatcher>(items_, rule);
    cached.Revision = revision_;
  }
  return *cached.Matcher;
}

}  // namespace quorvel
