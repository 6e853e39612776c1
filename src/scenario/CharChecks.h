#pragma once
// The character properties that `expect char` and `expect editor-char` check.
#include <optional>
#include <string>

#include "scenario/ScenarioText.h"
#include "styling/RichText.h"

namespace quorvel::scenario {

// Reads the properties from the cursor and checks them on character INDEX of
// the text: the first that does not hold, or nothing. std::invalid_argument
// for a property the language does not know.
std::optional<std::string> CheckCharProps(const RichText& doc, size_t index, StatementCursor& cursor);

}  // namespace quorvel::scenario
