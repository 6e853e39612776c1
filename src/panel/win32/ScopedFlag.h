#pragma once

namespace quorvel {

// Raises a flag of the window for as long as it lives, then puts back what the
// flag was: a handler that returns early, or one reached again from inside
// the step the flag guards, leaves it right.
class ScopedFlag {
 public:
  explicit ScopedFlag(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
  ~ScopedFlag() { flag_ = old_; }
  ScopedFlag(const ScopedFlag&) = delete;
  ScopedFlag& operator=(const ScopedFlag&) = delete;

 private:
  bool& flag_;
  bool old_;
};

}  // namespace quorvel
