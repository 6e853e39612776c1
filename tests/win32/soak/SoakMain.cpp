// quorvel-soak.exe [--ticks N] [--seed S]: the real quorvel.exe against
// fakepal under random traffic for N poll ticks (150 unless given, about a
// minute). scripts/test runs the short one; a long one is run by hand, e.g.
// QUORVEL_SOAK_TICKS=750 scripts/wine-test -R win32.soak -V.
#include <cstdlib>
#include <iostream>
#include <string>

#include "RealProgramSoak.h"

int main(int argc, char** argv) {
  quorvel::soak::SoakOptions options;
  if (const char* ticks = std::getenv("QUORVEL_SOAK_TICKS")) options.Ticks = std::atoll(ticks);
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string arg = argv[i];
    if (arg == "--ticks") {
      options.Ticks = std::atoll(argv[i + 1]);
    } else if (arg == "--seed") {
      options.Seed = static_cast<std::uint32_t>(std::strtoul(argv[i + 1], nullptr, 10));
    } else {
      std::cerr << "usage: quorvel-soak [--ticks N] [--seed S]\n";
      return 2;
    }
  }
  // The first quarter, and at least 25 ticks, is warm-up.
  if (options.Ticks < 40) {
    std::cerr << "quorvel-soak: at least 40 ticks\n";
    return 2;
  }
  return quorvel::soak::RunRealProgramSoak(options, std::cout);
}
