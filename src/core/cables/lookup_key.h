// The catalogue designation looked up for a cable picked in the cable window:
// built from the cable type, the nominal size of the impedance table, the
// family and the feeder's electrical system, and compared character for
// character with column 0 of the catalogue grid.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// The type as the catalogue names it: "CE-T" -> "CV-T", "CE-D" -> "CV-D",
// "CE-Q" -> "CV-Q", "CE" -> "CV", "EEF" -> "VVF"; any other type unchanged.
std::string CatalogueType(std::string_view type);

// The size text as the lookup reads it: the compressed-conductor entry
// "8゜(円形圧縮)" of the VV family counts as "8゜"; other sizes unchanged.
std::string LookupSize(std::string_view familyName, std::string_view size);

// The lookup key, e.g. ("600V CV及びEM 600V CE/F単心 S＝俵積み", "CV", "2゜", any) ->
// "CV 2  -1C"; ("600V VV2心、3心一括シース", "VV", "5.5゜", "単相3線") -> "VV 5.5゜-3C".
// `size` is the text after LookupSize.
std::string LookupKey(std::string_view familyName, std::string_view type, std::string_view size,
                      std::string_view system);

// The text without its last character (a whole UTF-8 character, so that the
// mark "゜" goes as one): "38゜" -> "38", "1.6mm" -> "1.6m".
std::string WithoutLastCharacter(std::string_view text);

}  // namespace tolvane
