// IV wire: column 3 is the current in a conduit with three wires or fewer at 30 °C.
#include "cables/catalogue.h"

namespace tolvane {
namespace {

// designation, outer diameter, cross-section, allowable current, weight. "IV 2.6mm" comes last.
constexpr CatalogueRow kRows[] = {
    {"IV 1.6mm", "3.2", "8", "19", "26"},
    {"IV 2.0mm", "3.6", "10", "24", "38"},
    {"IV 2゜", "3.4", "8", "19", "28"},
    {"IV 3.5゜", "4", "10", "26", "44"},
    {"IV 5.5゜", "5", "20", "34", "69"},
    {"IV 8゜", "6", "28", "42", "100"},
    {"IV 14゜", "7.6", "45", "61", "170"},
    {"IV 22゜", "9.2", "66", "80", "261"},
    {"IV 38゜", "11.5", "104", "113", "428"},
    {"IV 60゜", "14", "154", "152", "648"},
    {"IV 100゜", "17", "227", "208", "1070"},
    {"IV 150゜", "21", "346", "276", "1600"},
    {"IV 200゜", "23", "415", "328", "2030"},
    {"IV 250゜", "26", "531", "389", "2600"},
    {"IV 2.6mm", "5", "20", "34", "69"},
};

}  // namespace

std::span<const CatalogueRow> IvCatalogue() { return kRows; }

}  // namespace tolvane
