// The main window's row editing commands, the popup menu and the clipboard
// text.
#include "app/tform1.h"
#include "host/host.h"
#include "sheet/clipboard_text.h"
#include "sheet/feeders.h"
#include "sheet/row_editing.h"

namespace tolvane {

void TForm1::Button4Click()
{
    renumberFeeders(StringGrid1);
    modified = true;
}

void TForm1::Button5Click()
{
    FeederRange range = findFeederRange(StringGrid1, ny1);
    s1 = range.s1;
    e1 = range.e1;
}

bool TForm1::roomForRows(long long rows) const
{
    if (tolvane::roomForRows(StringGrid1.rowCount(), rows)) return true;
    if (host) host->inform(kSheetFullMessage);
    return false;
}

void TForm1::Button9Click()
{
    if (!roomForRows(rowsToInsert(StringGrid1, ny1, uy1))) return;
    insertRowsAtSelection(StringGrid1, ny1, uy1);
    modified = true;
}

void TForm1::N1Click()
{
    if (PopupMenu1.mode == DeleteMode::Feeder) {
        Button5Click();
    } else {
        s1 = std::min(ny1, uy1);
        e1 = std::max(ny1, uy1);
    }
    deleteRows(StringGrid1, s1, e1);
    --kansenno;
    modified = true;
    if (PopupMenu1.mode == DeleteMode::Feeder && host) host->inform("削除しましたので、No.の更新を行います");
    Button4Click();
}

void TForm1::N7Click()
{
    StringGrid2 = copyFeeder(StringGrid1, findFeederRange(StringGrid1, ny1));
}

void TForm1::N8Click()
{
    // Pasting inserts the copied rows and grows the sheet by as many again.
    if (!roomForRows(2LL * StringGrid2.rowCount())) return;
    pasteFeeder(StringGrid1, StringGrid2, uy1);
    modified = true;
    Button4Click();
}

void TForm1::N11Click()
{
    StringGrid1.clear();
    frequencyEnabled = true;
    modified = true;
}

void TForm1::N3Click()
{
    // The whole-sheet command runs this with the menu's mode at 1.
    if (PopupMenu1.mode == DeleteMode::Rows)
        clipboardText = clipboardTextOfSheet(StringGrid1);
    else
        clipboardText = clipboardTextOfFeeder(StringGrid1, ny1);
}

void TForm1::N9Click()
{
    PopupMenu1.mode = DeleteMode::Rows;
    N3Click();
    PopupMenu1.mode = DeleteMode::Feeder;
}

bool TForm1::StringGrid1PopupRelease(bool rightButton)
{
    PopupDecision d = decidePopup(StringGrid1, ny1, uy1, rightButton, PopupMenu1);
    PopupMenu1 = d.menu;
    ny1 = d.ny1;
    uy1 = d.uy1;
    return d.opens;
}

}  // namespace tolvane
