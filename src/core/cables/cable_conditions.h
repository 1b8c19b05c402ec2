// The laying conditions a user sets in the cable window once it has opened
// for a run: the ambient temperature of the laying panel, the wire count and
// ambient temperature of the IV conduit panel, and the grouping reduction
// factor. The window starts from 40 °C, three wires or fewer at 30 °C and the
// factor 1.00.
#pragma once

#include <string>

namespace tolvane {

class Tdensen;

struct CableConditions {
    std::string ambient = "40";     // laying panel (ComboBox2)
    std::string ivAmbient = "30";   // IV conduit panel (ComboBox1)
    int wires = 1;                  // wire-count button 1..7; 1 is "３本以下"
    std::string factor = "1.00";    // grouping reduction factor (Edit1)
};

// Sets the conditions in an activated window as the user would, on the panels
// that window shows: the ambient temperature of the laying panel (not for the
// buried method, whose ground temperature follows the burial depth), the wire
// count and temperature of the IV conduit panel, and the factor while the
// grouping panel is shown.
void applyCableConditions(Tdensen& window, const CableConditions& conditions);

}  // namespace tolvane
