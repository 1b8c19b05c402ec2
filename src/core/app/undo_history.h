// Undo and redo of the commands that change the sheet or the title block.
// Each command is recorded as the document before it ran; undo swaps the
// current document with that state.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "sheet/sheet.h"
#include "shortcircuit/supply.h"

namespace tolvane {

class TForm1;

// What a command can change and the user may want back: the sheet, the
// title block, the frequency (and its lock), the feeder counter and the
// short-circuit supply conditions.
struct DocumentState {
    Sheet sheet{0};
    std::string building, eraLabel, eraYear, month, day, westernYear;
    bool freq60 = true;
    bool freq50 = false;
    bool frequencyEnabled = true;
    std::int32_t kansenno = 0;
    SupplyConditions supplyConditions;

    bool operator==(const DocumentState&) const = default;
};

DocumentState captureDocument(const TForm1& form);
void restoreDocument(TForm1& form, const DocumentState& state);

class UndoHistory {
public:
    // Keeps at most `depth` steps, and no more cells than `cellBudget` in all.
    explicit UndoHistory(std::size_t depth = 50, std::size_t cellBudget = 4'000'000);

    // Runs a command on the window; when it changed the document, records the
    // state before it (dropping the redo steps) and marks the window modified.
    // An exception of the command is passed on after the change is recorded.
    void run(TForm1& form, const std::function<void()>& command);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // Both leave the window modified unless they arrive back at the document
    // as last saved or loaded.
    void undo(TForm1& form);
    void redo(TForm1& form);
    void clear();
    // The window's document has just been saved or loaded.
    void markSaved(const TForm1& form);

private:
    void trim();
    void restore(TForm1& form, const DocumentState& state);

    std::size_t depth_;
    std::size_t cellBudget_;
    std::deque<DocumentState> undo_;
    std::deque<DocumentState> redo_;
    std::optional<DocumentState> saved_;
};

}  // namespace tolvane
