#include "app/sheet_sizing.h"

#include <algorithm>

#include "app/forms.h"
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

SizingPlan planSheetSizing(const Forms& forms, const std::vector<FeederRange>& feeders, const CableFamily* family)
{
    SizingOptions options;
    options.supply = forms.form1.supply;
    options.frequency = forms.form1.frequency();
    options.family = family;
    options.depth = forms.form2.ComboBox16;
    CableOffers offers(forms.densen);
    return planSizing(forms.form1.StringGrid1, feeders, options, offers);
}

void applySheetSizing(TForm1& form, const SizingPlan& plan)
{
    applySizing(form.StringGrid1, plan);
    form.modified = true;
    // The cables written carry R and X of this frequency, as after "登録".
    if (std::any_of(plan.feeders.begin(), plan.feeders.end(), [](const FeederSizing& f) { return !f.failure; }))
        form.frequencyEnabled = false;
}

}  // namespace tolvane
