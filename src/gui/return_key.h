// Return (or Enter) on a focused push button presses it, as Space does,
// also where Qt leaves Return alone (a button outside a dialog, or one that
// is no default button).
#pragma once

class QAbstractButton;

namespace tolvane::gui {

void pressOnReturn(QAbstractButton* button);

}  // namespace tolvane::gui
