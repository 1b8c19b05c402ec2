// The main window's file commands: the sheet file and the settings file.
#include <filesystem>
#include <utility>

#include "app/tform1.h"
#include "host/host.h"
#include "sheet/feeders.h"
#include "sheet/file_store.h"
#include "sheet/settings_file.h"
#include "sheet/sheet_file.h"
#include "shortcircuit/supply_block.h"
#include "text/numbers.h"

namespace tolvane {

namespace {

// Western year of the document date an era label and year box stand for;
// 0 when they name no known era or no year.
int documentWesternYear(const std::string& era, const std::string& yearText)
{
    std::optional<int> year = yearText == "元" ? std::optional<int>(1) : tryParseWhole(yearText);
    if (!year || *year < 1) return 0;
    return westernYearOf(era, *year);
}

}  // namespace

std::optional<std::string> TForm1::loadSheetFile(const std::string& path)
{
    std::string bytes;
    if (auto reason = readWholeFile(path, bytes)) return reason;
    return loadSheetData(bytes);
}

std::optional<std::string> TForm1::loadSheetData(std::string_view bytes)
{
    SheetFileContent file;
    if (auto reason = readSheetFile(bytes, file)) return reason;
    const std::vector<std::string_view> extra(file.extraLines.begin(), file.extraLines.end());
    SupplyBlock block = readSupplyBlock(extra, file.extraFirstLine);
    if (!block.message.empty()) return block.message;

    // The whole file is read: from here on the window takes it over.
    StringGrid1 = std::move(file.sheet);
    if (hasValue(StringGrid1.cell(col::Pages, 0))) Label56 = StringGrid1.cell(col::Pages, 0);
    if (file.title.frequency == "60")
        RadioButton1Click();
    else if (file.title.frequency == "50")
        RadioButton2Click();
    Edit25 = file.title.year;
    Edit26 = file.title.month;
    Edit27 = file.title.day;
    Edit1 = file.title.building;
    Label56 = file.title.eraLabel;

    supplyConditions = std::move(block.supply);

    renumberFeeders(StringGrid1);

    // In the 和暦 display the era conversion works from the hidden western
    // year; give it the file's date so that the document keeps its year.
    if (!Edit3Visible) {
        if (int year = documentWesternYear(Label56, Edit25); year > 0) Edit3 = std::to_string(year);
    }
    try {
        Button20Click();
    } catch (const ConversionError&) {
        // A year that is no number: the date stays as the file has it.
    }

    const std::string display = StringGrid1.cell(col::Carrier, 0);
    if (display.empty() || display == "3")
        RadioButton3Click();
    else if (display == "4")
        RadioButton4Click();
    StringGrid1.setCell(col::Carrier, 0, "");

    const std::string pages = StringGrid1.cell(col::Carrier, 1);
    if (pages.empty() || pages == "5")
        RadioButton5Click();
    else if (pages == "6")
        RadioButton6Click();
    StringGrid1.setCell(col::Carrier, 1, "");

    if (!StringGrid1.cell(col::Carrier, 2).empty()) {
        Edit2 = StringGrid1.cell(col::Carrier, 2);
        StringGrid1.setCell(col::Carrier, 2, "");
    }

    modified = false;
    recoveredFile.clear();
    return std::nullopt;
}

std::pair<std::string, std::string> TForm1::documentEraYear() const
{
    if (Edit3Visible) {
        const std::optional<int> year = tryParseWhole(Edit3);
        if (year && *year >= kEarliestEraYear) {
            const EraYear era = eraOfDocumentDate(*year, Edit26, Edit27);
            return {era.era, eraYearText(era.year)};
        }
    }
    return {Label56, Edit25};
}

std::string TForm1::sheetFileBytes(Sheet& sheet, std::vector<LostCharacter>* lost) const
{
    const auto [era, year] = documentEraYear();
    SheetFileCarriers carriers{era, RadioButton4 ? "4" : "3", RadioButton6 ? "6" : "5", Edit2};
    SheetFileTitle title{RadioButton1 ? "60" : RadioButton2 ? "50" : "0", year, Edit26, Edit27, Edit1, era};
    return writeSheetFile(sheet, carriers, title, supplyBlockLines(supplyConditions), lost);
}

std::optional<std::string> TForm1::saveSheetFile(const std::string& path, std::vector<LostCharacter>* lost)
{
    if (auto reason = replaceFile(path, sheetFileBytes(StringGrid1, lost))) return reason;
    modified = false;
    recoveredFile.clear();
    return std::nullopt;
}

std::optional<std::string> TForm1::loadSettingsData(std::string_view bytes)
{
    SettingsFile settings;
    auto reason = readSettingsFile(bytes, settings);
    const bool wasModified = modified;
    if (settings.linesRead >= 1) {
        if (settings.frequency == "1") {
            RadioButton1Click();
            Label66 = "60Hz";
        } else if (settings.frequency == "2") {
            RadioButton2Click();
            Label66 = "50Hz";
        }
    }
    if (settings.linesRead >= 2) Edit2 = settings.eraName;
    if (settings.linesRead >= 3) {
        if (settings.eraDisplay == "3") {
            Label56Visible = true;
            Edit3Visible = false;
            RadioButton3Click();
        } else if (settings.eraDisplay == "4") {
            Label56Visible = false;
            Edit3Visible = true;
            RadioButton4Click();
        }
    }
    if (settings.linesRead >= 4) {
        if (settings.pageNumbers == "5")
            RadioButton5Click();
        else if (settings.pageNumbers == "6")
            RadioButton6Click();
    }
    // Window settings are no change to the user's document.
    modified = wasModified;
    return reason;
}

bool TForm1::settleUnsavedWork()
{
    if (!modified) return true;
    if (!host) return false;
    switch (host->askUnsavedWork(kUnsavedWorkQuestion)) {
    case UnsavedWork::Save:
        return saveToOwnFile();
    case UnsavedWork::Discard:
        return true;
    case UnsavedWork::Cancel:
        break;
    }
    return false;
}

bool TForm1::openNamedFile(const std::string& path)
{
    if (auto reason = loadSheetFile(path)) {
        if (host) host->warn(kLoadFailedMessage + *reason);
        return false;
    }
    FileName = path;
    return true;
}

void TForm1::Button1Click()
{
    if (!host || !settleUnsavedWork()) return;
    std::optional<std::string> path = host->chooseFile(FileDialog::OpenSheet, FileName);
    if (!path) return;
    openNamedFile(*path);
}

void TForm1::openSheetFile(const std::string& path)
{
    if (!settleUnsavedWork()) return;
    openNamedFile(path);
}

bool TForm1::saveNamedFile(const std::string& path)
{
    // Written from a copy: the sheet stays as the user sees it until the
    // file is there.
    Sheet sheet = StringGrid1;
    std::vector<LostCharacter> lost;
    const std::string bytes = sheetFileBytes(sheet, &lost);
    if (!lost.empty()) {
        const std::string question = kLostCharactersQuestion + lostCharactersText(lost, 20) + kLostCharactersQuestionEnd;
        if (!host || !host->ask(question)) return false;
    }
    if (auto reason = replaceFile(path, bytes)) {
        if (host) host->reportError(*reason);
        return false;
    }
    StringGrid1 = std::move(sheet);
    FileName = path;
    modified = false;
    recoveredFile.clear();
    return true;
}

bool TForm1::saveWithDialog()
{
    if (!host) return false;
    // Recovered work proposes the file it belongs to; a sheet from a file
    // that file; a new sheet a name from its building.
    const std::string proposed = !recoveredFile.empty() ? recoveredFile
                                 : !FileName.empty()    ? FileName
                                                        : Edit1 + "幹線計算書";
    std::optional<std::string> path = host->chooseFile(FileDialog::SaveSheet, proposed);
    if (!path) return false;
    std::string target = *path;
    if (!target.ends_with("ksk")) target += ".ksk";
    return saveNamedFile(target);
}

void TForm1::Button2Click() { saveWithDialog(); }

bool TForm1::saveToOwnFile()
{
    // Recovered work has not been confirmed for its file yet: the dialog
    // shows where it will go.
    if (FileName.empty() || !recoveredFile.empty()) return saveWithDialog();
    return saveNamedFile(FileName);
}

void TForm1::ButtonSaveClick() { saveToOwnFile(); }

void TForm1::Button8Click() { openNamedFile(FileName); }

void TForm1::Button21Click()
{
    SettingsFile settings{RadioButton1 ? "1" : "2", Edit2, RadioButton4 ? "4" : "3", RadioButton6 ? "6" : "5"};
    if (auto reason = replaceFile(settingsFolder + kSettingsFileName, writeSettingsFile(settings)))
        if (host) host->reportError(*reason);
}

void TForm1::Button22Click()
{
    std::string bytes;
    const std::string path = settingsFolder + kSettingsFileName;
    auto reason = readWholeFile(path, bytes);
    if (reason) {
        // No settings file yet: the window keeps its defaults.
        if (!std::filesystem::exists(path)) return;
    } else {
        reason = loadSettingsData(bytes);
    }
    if (reason && host) host->reportError(*reason);
}

}  // namespace tolvane
