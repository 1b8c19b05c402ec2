// Pictures of the modal forms in each of their modes, for the screenshot tour:
// the feeder form (single, dwelling with one and two systems), the branch form
// for each kind of row, the cable window for a CV and an IV family, the keypad
// and the calculator on both tabs.
#pragma once

#include <QString>

class QWidget;

namespace tolvane::gui {

// Uses forms of its own, so the program's forms keep their values.
void saveDialogScreenshots(QWidget* parent, const QString& directory);

// Lets the window system draw for `ms` milliseconds before a picture is taken.
void settle(int ms);

}  // namespace tolvane::gui
