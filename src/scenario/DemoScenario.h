#pragma once
#include <string>

namespace quorvel {

// The scenario quorvel-sim runs when it is given none.
const std::string& DemoScenario();

}  // namespace quorvel
