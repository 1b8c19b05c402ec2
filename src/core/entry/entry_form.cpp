#include "entry/entry_form.h"

#include "app/tform1.h"
#include "cables/tdensen.h"
#include "calc/checks.h"
#include "entry/cable_call.h"
#include "entry/entry_steps.h"
#include "entry/tform3.h"
#include "host/host.h"
#include "text/numbers.h"

namespace tolvane {

EntryForm::EntryForm(TForm1& form1, Tdensen& densen, TForm3& keypad, int patt, bool noteFollowsMethod)
    : form1_(form1), densen_(densen), keypad_(keypad), patt_(patt), noteFollowsMethod_(noteFollowsMethod)
{
    ComboBox16Items = textItems({"H=300", "H=600", "H=1200"});
}

void EntryForm::startShowing()
{
    modalResult = ModalResult::None;
    // A cable chosen in an earlier, cancelled editing must not be applied here.
    Label56 = kNoR;
    Label57 = kNoX;
    resetFamilyPrompt(densen_);
}

void EntryForm::RadioButton1Click()
{
    RadioButton1 = true;
    RadioButton2 = RadioButton5 = false;
    Button14Click();
}

void EntryForm::RadioButton2Click()
{
    RadioButton2 = true;
    RadioButton1 = RadioButton5 = false;
    Button14Click();
}

void EntryForm::RadioButton5Click()
{
    RadioButton5 = true;
    RadioButton1 = RadioButton2 = false;
    Button14Click();
}

void EntryForm::showMethodLayout(bool withNote)
{
    MethodLayout layout = methodLayoutOf(ComboBox14);
    ComboBox16Visible = layout.depthVisible;
    Button11Lower = layout.cableButtonLower;
    if (withNote) Label58 = layout.note;
}

void EntryForm::ComboBox14Change()
{
    showMethodLayout(noteFollowsMethod_);
    ActiveControl = "Button11";
    if (methodLayoutOf(ComboBox14).opensCableWindow) Button11Click();
}

void EntryForm::ComboBox16Change() { Button11Click(); }

void EntryForm::Button11Click()
{
    densen_.cableChosen = false;
    Button8Click();
    if (densen_.cableChosen) afterCableChosen();
    densen_.cableChosen = false;
}

void EntryForm::afterCableChosen()
{
    Button9Click();
    Button10Click();
    Button12Click();
}

CableCaller EntryForm::cableCaller() const
{
    return {patt_, ComboBox14, ComboBox16, std::string(feederSystem()), form1_.frequency()};
}

void EntryForm::takeHandBack(const CableHandBack& handBack)
{
    CableFields fields = cableFields();
    fields.cable = handBack.cable;
    fields.allowable = handBack.allowable;
    Label56 = handBack.r;
    Label57 = handBack.x;
    Label43 = handBack.size;
}

void EntryForm::takeSizeWithImpedance(const CableHandBack& size, std::string& impedance)
{
    takeHandBack(size);
    impedance = kNoZ;
    Button9Click();
}

bool EntryForm::takeTrialSize(const CableHandBack& size, std::string& impedance)
{
    takeSizeWithImpedance(size, impedance);
    if (impedance == kNoZ || !runDrop()) return false;
    Button14Click();
    return true;
}

void EntryForm::takeFoundSize(const std::optional<CableHandBack>& size)
{
    if (!size) return;
    takeHandBack(*size);
    afterCableChosen();
}

void EntryForm::Button8Click()
{
    int top = Top;
    Top = -3000;
    std::optional<CableHandBack> handBack = showCableWindow(host, densen_, cableCaller());
    Top = top;
    if (handBack) takeHandBack(*handBack);
}

void EntryForm::Button10Click() { runDrop(); }

bool EntryForm::keypadInto(std::string& target)
{
    keypad_.FormShow();
    if (host) host->showKeypad(keypad_);
    if (keypad_.modalResult != ModalResult::Ok) return false;
    target = keypad_.Edit1;
    return true;
}

void EntryForm::inputsChanged()
{
    if (runImpedance() && cableFields().impedance != kNoZ) runDrop();
}

void EntryForm::checkCable(const std::string& allowable, const std::string& current, const std::string& cable)
{
    if (auto warning = CheckCableCurrent(allowable, current, cable)) {
        if (host) host->informYes(*warning);
        Button11Click();
    }
}

bool EntryForm::recordChecks(const std::string& impedance, const std::string& current,
                             std::string_view currentControl)
{
    if (impedance == kNoZ) {
        if (host) host->informYes(msg::ChooseCable);
        return false;
    }
    if (!hasValue(current)) {
        if (host) host->informYes(msg::EnterDesignLoadCurrent);
        ActiveControl = currentControl;
        return false;
    }
    // A power factor, current or length that cannot be used is told by its
    // step; recording waits for it.
    if (!runImpedance() || !runDrop()) return false;
    Button12Click();
    Button14Click();
    Label56 = kNoR;
    Label57 = kNoX;
    return tellDropVerdict(host, judgeDrop(Label60, Label70));
}

bool EntryForm::clearOnDoubleClick(std::string_view control, std::initializer_list<Clearing> table)
{
    for (const Clearing& c : table) {
        if (c.control != control) continue;
        c.field->clear();
        return true;
    }
    return false;
}

void EntryForm::Button5Click() { modalResult = ModalResult::Cancel; }

void EntryForm::FormClose() { modalResult = ModalResult::Cancel; }

}  // namespace tolvane
