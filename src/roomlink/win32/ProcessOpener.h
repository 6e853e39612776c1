#pragma once
#include <functional>

namespace quorvel {

// Opens a process: OpenProcess with these rights (handle not inherited), the
// handle or null when refused. Passed in, so that a test can stand for a
// client that grants fewer rights.
using ProcessOpener = std::function<void*(unsigned long access, unsigned long processId)>;

}  // namespace quorvel
