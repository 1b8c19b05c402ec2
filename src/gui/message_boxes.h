// The program's message boxes: information with one button, warning
// questions with はい / いいえ, warnings, and the general error box.
#pragma once

#include <string_view>

class QWidget;

namespace tolvane::gui {

// The one button of a notice: OK, or "はい" where the program's notices
// answer Yes (the entry forms, the reports of "判定の確認").
enum class OneButton { Ok, Yes };

void informBox(QWidget* parent, std::string_view text, OneButton button = OneButton::Ok);
bool askBox(QWidget* parent, std::string_view text);
void warnBox(QWidget* parent, std::string_view text, OneButton button = OneButton::Ok);
void errorBox(QWidget* parent, std::string_view text);

}  // namespace tolvane::gui
