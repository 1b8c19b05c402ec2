#include "sheet/review.h"

#include "sheet/judgement.h"
#include "text/numbers.h"

namespace tolvane {

namespace {

// "   幹線名【 name 】　" when the row names its feeder.
std::string feederNamePart(const Sheet& sheet, int row)
{
    const std::string& name = sheet.cell(col::Name, row);
    if (!hasValue(name)) return {};
    return "   幹線名【 " + name + " 】　";
}

std::string loadNamePart(const Sheet& sheet, int row)
{
    return "   負荷名称【 " + sheet.cell(col::LoadName, row) + " 】" + "　※確認してください。";
}

void reviewRow(const Sheet& sheet, int row, std::vector<ReviewReport>& reports)
{
    const std::string& judged = sheet.cell(col::Judgement, row);
    if (judged.starts_with(judgement::FailureMark))
        reports.push_back({row, "エラー:　" + judged + feederNamePart(sheet, row) + loadNamePart(sheet, row)});

    const std::string& allowed = sheet.cell(col::AllowableDrop, row);
    if (!hasValue(allowed)) return;
    const double allowable = parseDecimal(allowed);
    // The summed drop of a branch counts; a row without one is judged by its
    // own drop. Drops of 1,000 V or more carry thousands separators.
    const std::string& summed = sheet.cell(col::DropSum, row);
    const std::string& own = sheet.cell(col::Drop, row);
    const std::string* quoted = nullptr;
    if (hasValue(summed)) {
        if (parseGrouped(summed) > allowable) quoted = &summed;
    } else if (hasValue(own) && parseGrouped(own) > allowable) {
        quoted = &own;
    }
    if (quoted)
        reports.push_back(
            {row, "電圧降下:　" + *quoted + " V " + feederNamePart(sheet, row) + loadNamePart(sheet, row)});
}

}  // namespace

Review reviewJudgements(const Sheet& sheet)
{
    Review review;
    for (int r = 0; r < sheet.rowCount(); ++r) {
        try {
            reviewRow(sheet, r, review.reports);
        } catch (const ConversionError& e) {
            review.error = Review::Error{r, e.what()};
            break;
        }
    }
    return review;
}

}  // namespace tolvane
