// The cable window driven by a scenario's "cable" and "cable-close" lines.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

class Tdensen;

// cable FAMILY TYPE SIZE [TIERS,PER_TIER,SPACING]: the family (its number in
// the list, from 1, or its text), the type, the grouping lists when given,
// then the size row clicked and double-clicked. ScriptError when the family,
// type or size is not offered.
void pickCable(Tdensen& window, const std::vector<std::string>& words);

// The window closed with its close box.
void closeCableWindow(Tdensen& window);

}  // namespace tolvane
