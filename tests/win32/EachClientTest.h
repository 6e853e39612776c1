#pragma once
// A test that runs once against each look-alike client, fakepal32.exe and
// fakepal64.exe (its parameter). scripts/wine-test sets QUORVEL_NO_32BIT on a
// kernel that cannot run 32-bit programs at all; the 32-bit run is skipped
// there and says so.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "Win32World.h"

namespace quorvel::testing {

class EachClientTest : public ::testing::TestWithParam<const char*>, protected Win32World {
 protected:
  void SetUp() override {
    if (std::string(GetParam()) == "fakepal32.exe" && std::getenv("QUORVEL_NO_32BIT"))
      GTEST_SKIP() << "this machine cannot run 32-bit programs";
  }
};

}  // namespace quorvel::testing
