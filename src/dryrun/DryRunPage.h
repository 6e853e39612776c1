#pragma once
// The dry run's summary as one web page that needs nothing beside it: no
// script, no other file, its style inline, its text in the system code page,
// which it declares. It holds the sections of the text summary in the same
// order with the same figures, every example line with its hits marked, and
// two bar charts: the messages per feature, and the free-standing and
// inside-a-word lines of the phrases with most hits.
#include <string>

#include "dryrun/DryRunFigures.h"

namespace quorvel {

// How many phrases the page's chart shows.
inline constexpr size_t kChartedPhrases = 20;

// name: the transcript's file name, for the title.
std::string DryRunPage(const DryRunFigures& figures, const std::string& name);

}  // namespace quorvel
