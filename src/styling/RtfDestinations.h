#pragma once
// What an RTF control word does to the group it opens: most destinations
// hold no body text (headers, footnotes, pictures, list definitions ...) and
// are skipped wherever they stand, the way Word and LibreOffice skip them.
#include <string_view>

namespace quorvel {

enum class RtfDestination {
  None,        // not a destination: a formatting word or a character
  Skip,        // its group is not part of the body text
  FontTable,   // \fonttbl
  ColorTable,  // \colortbl
  Text,        // body text after all: a field's result, a list item's bullet or number
};

RtfDestination ClassifyDestination(std::string_view word);

}  // namespace quorvel
