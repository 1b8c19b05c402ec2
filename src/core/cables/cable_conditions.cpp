#include "cables/cable_conditions.h"

#include "cables/installation.h"
#include "cables/tdensen.h"

namespace tolvane {

void applyCableConditions(Tdensen& window, const CableConditions& conditions)
{
    if (window.Panel5Visible && window.caller.method != kMethodBuried) {
        window.ComboBox2 = conditions.ambient;
        window.ComboBox2Click();
    }
    if (window.Panel3Visible) {
        window.selectRadioButton(conditions.wires);
        window.ComboBox1 = conditions.ivAmbient;
        window.ComboBox1Click();
    }
    if (window.Panel1Visible) window.Edit1 = conditions.factor;
}

}  // namespace tolvane
