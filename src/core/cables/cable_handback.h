// What an entry form tells the cable window when it opens it, and what the
// window hands back when the user double-clicks a size.
#pragma once

#include <string>

namespace tolvane {

struct CableCaller {
    int patt = 0;               // 1 feeder entry form, 2 branch entry form, 0 neither
    std::string method;         // the caller's installation method (ComboBox14)
    std::string depth;          // the caller's burial depth (ComboBox16)
    std::string feederSystem;   // the feeder entry form's electrical system (TForm2 ComboBox2)
    int frequency = 60;         // the main window's choice: 60, 50, or 0 when neither
};

struct CableHandBack {
    std::string cable;      // type text + size text, e.g. "CV-T38゜"
    std::string r;          // resistance at the chosen frequency [Ω/km]
    std::string x;          // reactance at the chosen frequency [Ω/km]
    std::string allowable;  // corrected allowable current, whole amperes
    std::string size;       // size text without its last character, e.g. "38"
};

}  // namespace tolvane
