// Everything modal that the core needs from the program around it: message
// boxes, questions, the beep, other forms shown modally, and file names. The
// GUI answers with real dialogs; tests and the scenario player with queued
// answers. A call returns when the box or form has closed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

class TForm2;
class TForm3;
class TForm4;
class TForm5;
class Tdensen;

enum class FileDialog {
    OpenSheet,  // "開く": filter "ksk|*.ksk"
    SaveSheet,  // "保存": filter "ksk|*.ksk", proposed name given
    SavePdf,
    SaveWorkbook,
};

// The answer to the question about unsaved work before it would be lost.
enum class UnsavedWork { Save, Discard, Cancel };

class Host {
public:
    virtual ~Host() = default;

    virtual void inform(std::string_view text) = 0;       // information box, one button (OK)
    virtual bool ask(std::string_view text) = 0;          // warning question; Yes -> true
    virtual void warn(std::string_view text) = 0;         // warning box, one button (OK)
    // Warning question with the buttons "保存", "保存しない" and "キャンセル".
    virtual UnsavedWork askUnsavedWork(std::string_view text) = 0;
    // The same boxes with their one button reading "はい" (Yes): the notices
    // of the entry forms and the reports of "判定の確認". A host that draws no
    // buttons shows them as the plain boxes.
    virtual void informYes(std::string_view text) { inform(text); }
    virtual void warnYes(std::string_view text) { warn(text); }
    virtual void reportError(std::string_view text) = 0;  // the general error box
    virtual void beep() = 0;
    // Brings a sheet row into view and selects it (before a report about it),
    // with its feeder's head row above it when both fit on the screen.
    virtual void scrollToRow(int /*row*/) {}

    virtual void showKeypad(TForm3& keypad) = 0;
    virtual void showCalculator(TForm5& calculator) = 0;
    virtual void showCableWindow(Tdensen& window) = 0;
    virtual void showFeederForm(TForm2& form) = 0;
    virtual void showBranchForm(TForm4& form) = 0;

    virtual std::optional<std::string> chooseFile(FileDialog kind, std::string_view proposed) = 0;
    // Lets the user pick one of `items` in a list; nothing when cancelled.
    virtual std::optional<std::string> chooseItem(std::string_view /*prompt*/, const std::vector<std::string>& /*items*/)
    {
        return std::nullopt;
    }
};

}  // namespace tolvane
