#include "app/undo_history.h"

#include "app/tform1.h"

namespace tolvane {

DocumentState captureDocument(const TForm1& form)
{
    DocumentState s;
    s.sheet = form.StringGrid1;
    s.building = form.Edit1;
    s.eraLabel = form.Label56;
    s.eraYear = form.Edit25;
    s.month = form.Edit26;
    s.day = form.Edit27;
    s.westernYear = form.Edit3;
    s.freq60 = form.RadioButton1;
    s.freq50 = form.RadioButton2;
    s.frequencyEnabled = form.frequencyEnabled;
    s.kansenno = form.kansenno;
    s.supplyConditions = form.supplyConditions;
    return s;
}

void restoreDocument(TForm1& form, const DocumentState& s)
{
    form.StringGrid1 = s.sheet;
    form.Edit1 = s.building;
    form.Label56 = s.eraLabel;
    form.Edit25 = s.eraYear;
    form.Edit26 = s.month;
    form.Edit27 = s.day;
    form.Edit3 = s.westernYear;
    form.RadioButton1 = s.freq60;
    form.RadioButton2 = s.freq50;
    form.Label66 = s.freq50 ? "50Hz" : "60Hz";
    form.frequencyEnabled = s.frequencyEnabled;
    form.kansenno = s.kansenno;
    form.supplyConditions = s.supplyConditions;
    form.modified = true;
}

UndoHistory::UndoHistory(std::size_t depth, std::size_t cellBudget) : depth_(depth), cellBudget_(cellBudget) {}

void UndoHistory::run(TForm1& form, const std::function<void()>& command)
{
    DocumentState before = captureDocument(form);
    auto record = [&] {
        if (captureDocument(form) == before) return;
        undo_.push_back(std::move(before));
        redo_.clear();
        form.modified = true;
        trim();
    };
    try {
        command();
    } catch (...) {
        record();
        throw;
    }
    record();
}

void UndoHistory::undo(TForm1& form)
{
    if (undo_.empty()) return;
    redo_.push_back(captureDocument(form));
    restore(form, undo_.back());
    undo_.pop_back();
}

void UndoHistory::redo(TForm1& form)
{
    if (redo_.empty()) return;
    undo_.push_back(captureDocument(form));
    restore(form, redo_.back());
    redo_.pop_back();
}

void UndoHistory::restore(TForm1& form, const DocumentState& state)
{
    restoreDocument(form, state);
    if (saved_) form.modified = !(state == *saved_);
}

void UndoHistory::markSaved(const TForm1& form) { saved_ = captureDocument(form); }

void UndoHistory::clear()
{
    undo_.clear();
    redo_.clear();
}

void UndoHistory::trim()
{
    auto cells = [this] {
        std::size_t n = 0;
        for (const auto& s : undo_) n += static_cast<std::size_t>(s.sheet.rowCount()) * kSheetColumns;
        return n;
    };
    while (undo_.size() > depth_ || (undo_.size() > 1 && cells() > cellBudget_)) undo_.pop_front();
}

}  // namespace tolvane
