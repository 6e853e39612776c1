#pragma once

namespace quorvel {

// Uniform numbers in [0, 1), seeded once when the main window is created.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void Seed() = 0;
  virtual double Next() = 0;
};

}  // namespace quorvel
