// Parts the two entry forms share on screen: the supply choice with the
// reference table of allowable drops, and the drop display.
#pragma once

#include <string>

#include "gui/dialogs/form_dialog.h"

class QLabel;

namespace tolvane::gui {

// The fields of an entry form's supply choice and allowable drop.
struct SupplyFields {
    const bool& transformer;   // RadioButton1
    const bool& utility;       // RadioButton2
    const bool& givenPercent;  // RadioButton5
    std::string& percent;      // the percentage field
    const char* percentName;   // its control name
    std::string& referenceVoltage;
    const char* referenceName;
    const std::string& allowableDrop;  // Label70
};

struct SupplyHandlers {
    FormDialog::Handler transformer, utility, givenPercent, percentTyped;
};

// The supply radio buttons with the percentage, the reference table, the
// reference voltage and the allowable drop, in the rectangle `r` of `parent`.
void buildSupplyArea(FormDialog& form, QWidget* parent, QRect r, const SupplyFields& f, const SupplyHandlers& h);

// A value display of the form: sunken, white, right-aligned.
QLabel* valueDisplay(FormDialog& form, QWidget* parent, const char* name, const std::string& field, QRect r);

}  // namespace tolvane::gui
