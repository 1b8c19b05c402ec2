// How an entry form opens the cable window and takes back the chosen cable.
#pragma once

#include <optional>

#include "cables/cable_handback.h"

namespace tolvane {

class Host;
class Tdensen;

// Activates the cable window for the caller and shows it modally. Returns the
// hand-back when a size was double-clicked; nothing when the window was
// closed without a choice. The cable-chosen flag stays set for the caller's
// follow-up calculations.
std::optional<CableHandBack> showCableWindow(Host* host, Tdensen& densen, const CableCaller& caller);

// An entry form being shown selects the first family when the family list
// still shows its prompt.
void resetFamilyPrompt(Tdensen& densen);

}  // namespace tolvane
