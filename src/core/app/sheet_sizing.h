// "ケーブル自動選定（この幹線）" and "ケーブル自動選定（全幹線）" of the sheet's popup
// menu: the feeder of the selection's top row, or every feeder, sized with
// the cable window's laying conditions as they stand, the sheet's frequency
// and allowable-drop choice and the feeder form's burial depth; with the
// building's transformer banks set, every cable also withstands its
// short-circuit current. The plan is shown in a preview (SizingPreview)
// before it is applied.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "sizing/feeder_sizing.h"

namespace tolvane {

struct Forms;
class TForm1;

// The feeder of row ny1 (none when the row holds no feeder), or every feeder.
std::vector<FeederRange> feedersToSize(const TForm1& form, bool everyFeeder);

// The options of the sheet's sizing, in `family` (null: each run's own by its
// cable) and with the families chosen for rows whose cable leaves it open.
SizingOptions sheetSizingOptions(const Forms& forms, const CableFamily* family,
                                 std::map<int, const CableFamily*> rowFamilies = {});

// Sizes the feeders with those options.
SizingPlan planSheetSizing(const Forms& forms, const std::vector<FeederRange>& feeders, const CableFamily* family,
                           std::map<int, const CableFamily*> rowFamilies = {});

// Writes the sized feeders into the sheet; their cables carry R and X of the
// sheet's frequency, which is then locked as after "登録".
void applySheetSizing(TForm1& form, const SizingPlan& plan);

// The preview window: the family list, a table of every row the plan
// changes, the feeders that cannot be sized, a notice when no cable changes,
// and 適用, which accepts the plan (the main window applies it as one
// undoable command) and is enabled only when some cable changes.
class SizingPreview {
public:
    static constexpr std::string_view kByDesignation = "ケーブルの表記から選ぶ";
    static constexpr std::string_view kNothingToChange = "変更するケーブルはありません";
    static constexpr std::string_view kHeadings[] = {"No.",         "行",   "負荷名称", "ケーブル", "許容電流[A]",
                                                     "電圧降下[V]", "判定", "短絡強度", "系列"};

    // One line of the table, in the order of the headings; a value that
    // changes reads "before → after". 短絡強度 shows, for a row whose cable
    // the short-circuit withstand made larger, the least cross-section it
    // asked for ("最小 36.9 m㎡").
    using Line = std::vector<std::string>;

    SizingPreview(const Forms& forms, std::vector<FeederRange> feeders);

    // The family list: kByDesignation, then the families of the cable window.
    std::vector<std::string> familyItems() const;
    int FamilyList = 0;  // 0: each run's own family by its cable
    std::vector<Line> PreviewTable;
    std::vector<std::string> FailureList;  // "No.N 行R: reason"
    std::string NoticeLabel;                // kNothingToChange or empty
    bool ApplyButtonEnabled = false;

    // Plans when the window opens: a cable that leaves its family open is
    // asked about (one question per designation), unless a family is chosen.
    void FormShow();
    void FamilyListChange();

    const SizingPlan& plan() const { return plan_; }

private:
    void askAmbiguousFamilies();
    void replan();

    const Forms& forms_;
    std::vector<FeederRange> feeders_;
    SizingPlan plan_;
    std::map<int, const CableFamily*> rowFamilies_;  // the user's answers, by sheet row
    std::set<int> asked_;                             // rows already asked about
};

}  // namespace tolvane
