#include "styling/RtfDestinations.h"

#include <unordered_set>

namespace quorvel {
namespace {

// Groups that readers do not show as body text.
constexpr std::string_view kSkipped[] = {
    // document furniture
    "stylesheet", "info", "generator", "rsidtbl", "themedata", "colorschememapping", "latentstyles", "datastore",
    "xmlnstbl", "mmathPr", "filetbl", "revtbl", "userprops", "docvar", "template", "wgrffmtfilter", "pgdsctbl",
    "defchp", "defpap", "pnseclvl", "protusertbl", "fchars", "lchars", "aftnsep", "aftnsepc", "aftncn", "ftnsep",
    "ftnsepc", "ftncn", "ftnalt",
    // headers, footers, footnotes and comments
    "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr", "footerf", "footnote", "annotation",
    "atnid", "atnauthor", "atndate", "atnicn", "atnref", "atnparent", "atrfstart", "atrfend",
    // list definitions: their \leveltext holds raw control bytes, never text,
    // even when they stand outside a list table
    "listtable", "listoverridetable", "list", "listlevel", "leveltext", "levelnumbers", "listname", "listoverride",
    "listpicture", "liststylename", "pn", "pntxta", "pntxtb",
    // the plain-text copy of a nested table for readers without nested tables
    "nonesttables",
    // pictures, objects, shapes, fields' instructions, bookmarks, index entries
    "pict", "object", "objdata", "result", "nonshppict", "shppict", "shpinst", "sp", "sn", "sv", "fldinst", "xe", "tc",
    "bkmkstart", "bkmkend", "panose", "falt", "fontemb", "fontfile", "formfield", "ffname", "datafield"};

}  // namespace

RtfDestination ClassifyDestination(std::string_view word) {
  if (word == "fonttbl") return RtfDestination::FontTable;
  if (word == "colortbl") return RtfDestination::ColorTable;
  // Shown as RichEdit shows them: a field's visible result, and the bullet or
  // number a list item starts with.
  if (word == "fldrslt" || word == "pntext" || word == "listtext") return RtfDestination::Text;
  // Every control word of a document comes here: a hash lookup, not a scan.
  static const std::unordered_set<std::string_view> skipped(std::begin(kSkipped), std::end(kSkipped));
  return skipped.count(word) ? RtfDestination::Skip : RtfDestination::None;
}

}  // namespace quorvel
