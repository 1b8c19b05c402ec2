#include "shortcircuit/row_cable.h"

#include "shortcircuit/short_circuit.h"
#include "sizing/cable_offers.h"
#include "sizing/feeder_sizing.h"
#include "sizing/run_cables.h"
#include "text/numbers.h"

namespace tolvane {

namespace {

// The temperature in a family's note "(90℃)"; 0 when it has none.
double noteTemperature(std::string_view note)
{
    const std::size_t open = note.find('(');
    const std::size_t mark = note.find("℃");
    if (open == std::string_view::npos || mark == std::string_view::npos || mark <= open) return 0;
    return tryParseDecimal(note.substr(open + 1, mark - open - 1)).value_or(0);
}

}  // namespace

RowCable identifyRowCable(const Sheet& sheet, int row, int frequency, std::string_view system,
                          HandBackSource& handBacks)
{
    RowCable cable;
    const std::string& designation = sheet.cell(col::Cable, row);
    // The one place the family is decided: as sizing decides it.
    SizingOptions options;
    options.frequency = frequency;
    const FamilyIdentity identity =
        identifyFamily(storedCableOf(sheet, row), callerOfRun(sheet, row, system, options), handBacks);
    if (identity.result == FamilyIdentity::Result::None) {
        cable.reason = "ケーブル「" + designation + "」が電線・ケーブル表にありません";
        return cable;
    }
    if (identity.result == FamilyIdentity::Result::Ambiguous) {
        cable.reason = "ケーブル「" + designation + "」がどの系列か特定できません（" +
                       std::to_string(identity.families.size()) + "系列の候補）";
        return cable;
    }
    const FamilyChoice* match = identity.identified();
    const ImpedanceEntry* entry = nullptr;
    for (const ImpedanceEntry& e : match->family->entries)
        if (e.size == match->size) entry = &e;
    const InsulationClass* insulation = insulationOf(match->type);
    std::optional<double> r, x;
    if (entry) {
        r = tryParseDecimal(frequency == 50 ? entry->r50 : entry->r60);
        x = tryParseDecimal(frequency == 50 ? entry->x50 : entry->x60);
    }
    if (!r || !x || !insulation) {
        cable.reason = "ケーブル「" + designation + "」のインピーダンスが表にありません";
        return cable;
    }
    cable.family = match->family;
    cable.type = match->type;
    cable.size = match->size;
    cable.rPerKm = *r;
    cable.xPerKm = *x;
    const double note = noteTemperature(match->family->note);
    cable.tabledC = note > 0 ? note : insulation->workingC;
    cable.section = conductorSection(match->size);
    return cable;
}

}  // namespace tolvane
