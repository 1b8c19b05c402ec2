// The modal forms on screen. Each shows its core model, forwards the user's
// clicks to the model's handlers and returns when the model closes.
#pragma once

class QWidget;

namespace tolvane {
class Host;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class Tdensen;
}  // namespace tolvane

namespace tolvane::gui {

void execKeypad(QWidget* parent, TForm3& keypad);
void execCalculator(QWidget* parent, Host& host, TForm5& calculator);
void execCableWindow(QWidget* parent, Host& host, Tdensen& window);
void execFeederForm(QWidget* parent, Host& host, TForm2& form);
void execBranchForm(QWidget* parent, Host& host, TForm4& form);

}  // namespace tolvane::gui
