// The program's message boxes: information with one button, warning
// questions with はい / いいえ or 保存 / 保存しない / キャンセル, warnings, and the general error box.
#pragma once

#include <string_view>

#include "host/host.h"

class QWidget;

namespace tolvane::gui {

// The one button of a notice: OK, or "はい" where the program's notices
// answer Yes (the entry forms, the reports of "判定の確認").
enum class OneButton { Ok, Yes };

void informBox(QWidget* parent, std::string_view text, OneButton button = OneButton::Ok);
bool askBox(QWidget* parent, std::string_view text);
// 保存 / 保存しない / キャンセル; closing the box counts as キャンセル.
UnsavedWork askUnsavedWorkBox(QWidget* parent, std::string_view text);
void warnBox(QWidget* parent, std::string_view text, OneButton button = OneButton::Ok);
void errorBox(QWidget* parent, std::string_view text);

}  // namespace tolvane::gui
