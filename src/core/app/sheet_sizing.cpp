#include "app/sheet_sizing.h"

#include <algorithm>

#include "app/forms.h"
#include "host/host.h"
#include "sheet/feeder_totals_sheet.h"
#include "text/numbers.h"

namespace tolvane {

std::vector<FeederRange> feedersToSize(const TForm1& form, bool everyFeeder)
{
    const Sheet& sheet = form.StringGrid1;
    if (everyFeeder) return allFeederRanges(sheet);
    if (!hasValue(sheet.cell(col::Mark, form.ny1)) || !hasValue(sheet.cell(col::FeederNo, form.ny1))) return {};
    return {findFeederRange(sheet, form.ny1)};
}

SizingOptions sheetSizingOptions(const Forms& forms, const CableFamily* family,
                                 std::map<int, const CableFamily*> rowFamilies)
{
    SizingOptions options;
    options.supply = forms.form1.supply;
    options.frequency = forms.form1.frequency();
    options.family = family;
    options.depth = forms.form2.ComboBox16;
    options.rowFamilies = std::move(rowFamilies);
    return options;
}

SizingPlan planSheetSizing(const Forms& forms, const std::vector<FeederRange>& feeders, const CableFamily* family,
                           std::map<int, const CableFamily*> rowFamilies)
{
    CableOffers offers(forms.densen);
    return planSizingWithstanding(forms.form1.StringGrid1, feeders,
                                  sheetSizingOptions(forms, family, std::move(rowFamilies)), offers,
                                  forms.form1.supplyConditions);
}

void applySheetSizing(TForm1& form, const SizingPlan& plan)
{
    applySizing(form.StringGrid1, plan);
    form.modified = true;
    // The cables written carry R and X of this frequency, as after "登録".
    if (std::any_of(plan.feeders.begin(), plan.feeders.end(), [](const FeederSizing& f) { return !f.failure; }))
        form.frequencyEnabled = false;
}

namespace {

// "before → after", or the one text when nothing changed.
std::string change(const std::string& before, const std::string& after)
{
    return before == after ? after : before + " → " + after;
}

}  // namespace

SizingPreview::SizingPreview(const Forms& forms, std::vector<FeederRange> feeders)
    : forms_(forms), feeders_(std::move(feeders))
{
}

std::vector<std::string> SizingPreview::familyItems() const
{
    std::vector<std::string> items{std::string(kByDesignation)};
    for (std::string_view name : FamilyListItems()) items.emplace_back(name);
    return items;
}

void SizingPreview::FormShow()
{
    askAmbiguousFamilies();
    replan();
}

void SizingPreview::FamilyListChange()
{
    askAmbiguousFamilies();
    replan();
}

// The rows of one designation that stays ambiguous between the same families
// get one question; an answer holds for them all, a refusal leaves them
// ambiguous (the preview lists their feeders as not sized).
void SizingPreview::askAmbiguousFamilies()
{
    Host* host = forms_.form1.host;
    if (FamilyList != 0 || !host) return;
    CableOffers offers(forms_.densen);
    const std::vector<AmbiguousRun> open =
        ambiguousRuns(forms_.form1.StringGrid1, feeders_, sheetSizingOptions(forms_, nullptr, rowFamilies_), offers);
    for (std::size_t i = 0; i < open.size(); ++i) {
        if (asked_.contains(open[i].row)) continue;
        auto sameQuestion = [&](const AmbiguousRun& other) {
            if (other.designation != open[i].designation || other.families.size() != open[i].families.size())
                return false;
            for (std::size_t f = 0; f < other.families.size(); ++f)
                if (other.families[f].family != open[i].families[f].family) return false;
            return true;
        };
        std::vector<int> rows;
        for (const AmbiguousRun& other : open)
            if (sameQuestion(other)) rows.push_back(other.row);
        std::string rowList;
        for (int r : rows) rowList += (rowList.empty() ? "" : "、") + std::to_string(r + 1);
        std::vector<std::string> names;
        for (const FamilyChoice& f : open[i].families) names.emplace_back(f.family->name);
        const std::optional<std::string> answer = host->chooseItem(
            "行" + rowList + "のケーブル「" + open[i].designation +
                "」は、許容電流とインピーダンスから電線・ケーブルの系列が一つに決まりません。どの系列のケーブルですか。",
            names);
        const CableFamily* family = answer ? FindCableFamily(*answer) : nullptr;
        for (int r : rows) {
            asked_.insert(r);
            if (family) rowFamilies_[r] = family;
        }
    }
}

void SizingPreview::replan()
{
    const CableFamily* family = FamilyList > 0 ? FindCableFamily(FamilyName(FamilyList)) : nullptr;
    plan_ = planSheetSizing(forms_, feeders_, family, rowFamilies_);

    PreviewTable.clear();
    FailureList.clear();
    if (!plan_.withstandProblem.empty()) FailureList.push_back(plan_.withstandProblem);
    bool cableChanges = false;
    for (const FeederSizing& feeder : plan_.feeders) {
        if (feeder.failure) {
            FailureList.push_back("No." + feeder.number + " 行" + std::to_string(feeder.failure->row + 1) + ": " +
                                  feeder.failure->reason);
            continue;
        }
        const std::string families = familyNames(feeder.families);
        for (const RowChange& c : feeder.changes) {
            cableChanges = cableChanges || c.cableChanged;
            PreviewTable.push_back({feeder.number, std::to_string(c.row + 1), c.loadName,
                                    change(c.cableBefore, c.cableAfter), change(c.allowableBefore, c.allowableAfter),
                                    change(c.dropBefore, c.dropAfter), change(c.judgementBefore, c.judgementAfter),
                                    c.withstandSection > 0 ? "最小 " + formatFixed(c.withstandSection, 1) + " m㎡"
                                                           : std::string(),
                                    families});
        }
    }
    NoticeLabel = cableChanges ? std::string() : std::string(kNothingToChange);
    ApplyButtonEnabled = cableChanges;
}

}  // namespace tolvane
