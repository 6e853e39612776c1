#pragma once
// The long-run test of the real quorvel.exe: attached to fakepal, every
// feature on, random traffic through fakepal's test protocol, one step for
// each poll tick of the bot. It watches from outside what can fail under Wine:
// the resources the program says it holds (its live counts, asked through the
// main window's test-only query) and its working set (GetProcessMemoryInfo);
// and it checks every bounce and red dot in fakepal's journal.
#include <cstdint>
#include <iosfwd>

namespace quorvel::soak {

struct SoakOptions {
  long long Ticks = 150;
  std::uint32_t Seed = 1;
};

// Prints what it measured; 0 when nothing grew past its bound and the journal
// holds no wrong bounce or red dot, 1 when something did, 2 when the program
// or the client could not be started or stopped answering.
int RunRealProgramSoak(const SoakOptions& options, std::ostream& out);

}  // namespace quorvel::soak
