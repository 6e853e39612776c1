#include "text/StringList.h"

namespace quorvel {

const PhraseMatcher& StringList::Matcher() const {
  if (!matcher_ || matcherRevision_ != revision_) {
    matcher_ = std::make_shared<const PhraseMatcher>(items_);
    matcherRevision_ = revision_;
  }
  return *matcher_;
}

}  // namespace quorvel
