#pragma once
// The dry run's summary as text, and the wording of each of its lines, which
// the web page uses too: the page says what the text says.
#include <iosfwd>
#include <string>
#include <string_view>

#include "dryrun/DryRunFigures.h"
#include "text/AnsiText.h"

namespace quorvel {

// How many words of a phrase the "inside words" line names.
inline constexpr size_t kWordsShown = 10;

// "Summary of 12 transcript lines"
std::string SummaryHeadline(const DryRunFigures& figures);
// "swearbot: 18 (12 bounce notices and 6 warnings)"
std::string FeatureLine(const DryRunFigures& figures, const std::string& feature, int messages);
// "Bob: bounced 2, red dot 1 (auto list; phrase "ass" x2); in a live room Bob
// would have been gone after the first bounce"
std::string ModerationLine(const std::string& nick, const Moderation& m);
// ""hell": 87 of 90 lines (97%) inside a word; only as a word of its own:
// " hell ", which would still catch 3 of its 90 lines"
std::string MostlyInsideLine(const std::string& phrase, const PhraseHits& hits);
// ""hell": 90 lines, 87 of them inside a word"
std::string PhraseHeadline(const std::string& phrase, const PhraseHits& hits);
// "inside words: hello x87, helloooo x2"; empty when it hit inside no word.
std::string InsideWordsLine(const PhraseHits& hits);
// "5 of 11 shown"; empty when every line is shown.
std::string ExamplesShownLine(const PhraseHits& hits);
// "line 3: " and " (inside a word)" around an example's text.
std::string ExamplePrefix(const ExampleLine& example);
std::string ExampleSuffix(const ExampleLine& example);
// ""hi bot": 3 lines"
std::string TriggerLine(const std::string& trigger, int lines);
// "to Bob, Cid and 3 more"; empty without greetings.
std::string GreetedLine(const DryRunFigures& figures);
// Why the joins got no greeting: "no design in dlist.txt, so none of the 3
// joins was greeted"; empty when that is not why.
std::string NoGreetingLine(const DryRunFigures& figures);
// How many commands the summary lists; the rest are counted.
inline constexpr size_t kCommandsShown = 50;

// The summary's text with every control byte but the line end and TAB (below
// 0x20, and 0x7F) as \xNN, so that a transcript line cannot move the
// operator's terminal or hide in the summary file.
std::string ShownControlBytes(std::string_view text);

void PrintDryRunText(const DryRunFigures& figures, std::ostream& out);

}  // namespace quorvel
