// The program's message boxes: information with one button, warning
// questions with Yes and No, warnings, and the general error box.
#pragma once

#include <string_view>

class QWidget;

namespace tolvane::gui {

void informBox(QWidget* parent, std::string_view text);
bool askBox(QWidget* parent, std::string_view text);
void warnBox(QWidget* parent, std::string_view text);
void errorBox(QWidget* parent, std::string_view text);

}  // namespace tolvane::gui
