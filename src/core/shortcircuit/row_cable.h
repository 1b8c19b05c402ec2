// Which catalogue cable a sheet row holds, for the short-circuit calculation:
// the family, type and size its designation and stored values identify, and
// the conductor's resistance and reactance per kilometre at the frequency.
#pragma once

#include <string>
#include <string_view>

#include "cables/family_identity.h"
#include "cables/impedance.h"
#include "sheet/sheet.h"

namespace tolvane {

struct RowCable {
    const CableFamily* family = nullptr;  // null: not identified, see reason
    std::string type;
    std::string size;
    double rPerKm = 0;     // Ω/km as tabled (at the family's conductor temperature)
    double xPerKm = 0;     // Ω/km
    double tabledC = 0;    // the temperature the tabled resistance holds at [°C]
    double section = 0;    // conductor cross-section [mm²]
    std::string reason;    // why the cable is not identified
};

// The cable of a row whose column 11 holds a designation, at 60 or 50 Hz, of
// a feeder of `system`: the family is identified from what the row keeps as
// sizing identifies it (cables/family_identity.h), with the window's
// hand-backs from `handBacks`.
RowCable identifyRowCable(const Sheet& sheet, int row, int frequency, std::string_view system,
                          HandBackSource& handBacks);

}  // namespace tolvane
