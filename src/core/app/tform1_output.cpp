// The main window's document output: page record, print layout and workbook.
#include <filesystem>

#include "app/tform1.h"
#include "output/document.h"
#include "output/page_record.h"
#include "sheet/file_store.h"
#include "text/numbers.h"

namespace tolvane {

TitleBlock TForm1::titleBlock() const
{
    TitleBlock title;
    title.building = Edit1;
    title.eraDate = eraDateText(Label56, Edit25, Edit26, Edit27);
    title.date = Label56Visible ? title.eraDate : westernDateText(Edit3, Edit26, Edit27);
    title.frequency = RadioButton1 ? "60" : RadioButton2 ? "50" : "";
    title.pageNumbers = RadioButton5;
    return title;
}

void TForm1::Button14Click()
{
    PageRecord record = recordPages(StringGrid1, maxrowsu);
    maxrowsu = record.maxrowsu;
    pagesu = record.pagesu;
}

PrintDocument TForm1::printDocument()
{
    try {
        Button14Click();
    } catch (const ConversionError& e) {
        // Name the head row whose row count stopped the page record.
        PrintDocument stopped;
        stopped.jobTitle = Edit1;
        const std::vector<int> faults = rowCountFaults(StringGrid1);
        stopped.failure = faults.empty() ? PrintFailure{0, col::RowTotal, e.text()}
                                         : PrintFailure{faults.front(), col::RowTotal,
                                                        StringGrid1.cell(col::RowTotal, faults.front())};
        return stopped;
    }
    return layoutPrint(StringGrid1, titleBlock());
}

std::optional<ExportFailure> TForm1::exportWorkbook(const std::string& path, WorkbookMode mode,
                                                  const ExportProgress& progress)
{
    // The workbook never takes the place of the sheet file it comes from.
    if (auto reason = outputOverInput(FileName, path)) return ExportFailure{*reason, true};
    try {
        Button14Click();
        WorkbookPlan plan = mode == WorkbookMode::PerItem ? planPerItem(StringGrid1)
                                                          : planRows18(StringGrid1, maxrowsu, pagesu);
        return writeWorkbook(path, plan, StringGrid1, titleBlock(), progress);
    } catch (const ConversionError& e) {
        return ExportFailure{e.what()};
    }
}

std::string TForm1::proposedWorkbookPath() const
{
    std::filesystem::path folder = FileName.empty() ? std::filesystem::path() : std::filesystem::path(FileName).parent_path();
    return (folder / (Edit1 + "_電路計算書.xlsx")).string();
}

}  // namespace tolvane
