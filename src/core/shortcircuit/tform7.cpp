#include "shortcircuit/tform7.h"

#include <filesystem>

#include "app/tform1.h"
#include "host/host.h"
#include "sheet/file_store.h"
#include "shortcircuit/short_circuit.h"
#include "text/numbers.h"

namespace tolvane {

namespace {

// The field of a bank each edit shows.
struct FieldControl {
    BankField field;
    const char* control;
};
constexpr FieldControl kFieldControls[] = {
    {BankField::Name, "Edit1"},     {BankField::Voltage, "Edit2"},  {BankField::Kva, "Edit3"},
    {BankField::PercentZ, "Edit4"}, {BankField::PercentR, "Edit5"}, {BankField::LoadLoss, "Edit6"},
    {BankField::HvKa, "Edit7"},     {BankField::HvKv, "Edit8"},
};

const char* controlOf(BankField field)
{
    for (const FieldControl& f : kFieldControls)
        if (f.field == field) return f.control;
    return "Edit1";
}

// A line of the bank list: 「T1　三相 210V 500kVA %Z 4.5」.
std::string bankLine(const TransformerBank& bank)
{
    std::string line = bank.name + "　" + std::string(phasesText(bank.phases)) + " " + bank.voltage + "V " + bank.kva +
                       "kVA %Z " + bank.percentZ;
    if (hasValue(bank.percentR)) line += " %R " + bank.percentR;
    if (hasValue(bank.loadLoss)) line += " 負荷損 " + bank.loadLoss + "W";
    return line;
}

}  // namespace

void TForm7::FormShow()
{
    ListBox1 = -1;
    Edit9 = main_.supplyConditions.breakingTime;
    icuItems.clear();
    for (double icu : kIcuLadder) icuItems.push_back(formatShortest(icu));
    refresh();
}

void TForm7::refresh()
{
    const SupplyConditions& supply = main_.supplyConditions;
    ListBox1Items.clear();
    bankItems = {std::string(kAutomaticBank)};
    for (const TransformerBank& bank : supply.banks) {
        ListBox1Items.push_back(bankLine(bank));
        bankItems.push_back(bank.name);
    }
    if (ListBox1 >= static_cast<int>(supply.banks.size())) ListBox1 = -1;
    Button2Enabled = Button3Enabled = ListBox1 >= 0;

    const ShortCircuitResult result = main_.shortCircuit();
    StringGrid1.clear();
    int failed = 0;
    for (const ShortCircuitRow& row : result.rows) {
        const Sheet& sheet = main_.StringGrid1;
        StringGrid1.push_back({row.row, sheet.cell(col::BankName, row.row), sheet.cell(col::BreakerIcu, row.row),
                               sheet.cell(col::MainIcu, row.row), row.feederHead, shortCircuitCells(row, sheet)});
        if (row.failed()) ++failed;
    }
    if (supply.banks.empty())
        Label1 = kNoBanks;
    else if (failed > 0)
        Label1 = "判定が × の行が " + std::to_string(failed) + " 行あります。";
    else
        Label1 = kAllPassed;
}

void TForm7::ListBox1Click()
{
    const std::vector<TransformerBank>& banks = main_.supplyConditions.banks;
    if (ListBox1 < 0 || ListBox1 >= static_cast<int>(banks.size())) {
        ListBox1 = -1;
        refresh();
        return;
    }
    const TransformerBank& bank = banks[static_cast<std::size_t>(ListBox1)];
    Edit1 = bank.name;
    ComboBox1 = std::string(phasesText(bank.phases));
    Edit2 = bank.voltage;
    Edit3 = bank.kva;
    Edit4 = bank.percentZ;
    Edit5 = bank.percentR;
    Edit6 = bank.loadLoss;
    Edit7 = bank.hvKa;
    Edit8 = bank.hvKv;
    refresh();
}

TransformerBank TForm7::fieldsBank() const
{
    TransformerBank bank;
    bank.name = Edit1;
    bank.phases = ComboBox1 == kPhasesSingle ? BankPhases::Single : BankPhases::Three;
    bank.voltage = Edit2;
    bank.kva = Edit3;
    bank.percentZ = Edit4;
    bank.percentR = Edit5;
    bank.loadLoss = Edit6;
    bank.hvKa = Edit7;
    bank.hvKv = Edit8;
    return bank;
}

bool TForm7::bankAccepted(const TransformerBank& bank)
{
    BankCheck check = checkBank(bank);
    if (check.values) return true;
    ActiveControl = controlOf(check.field);
    if (host) host->warn(check.message);
    return false;
}

bool TForm7::apply(const std::function<std::optional<std::string>()>& change, std::string_view focus)
{
    std::optional<std::string> reason;
    auto run = [&] { reason = change(); };
    if (commit)
        commit(run);
    else
        run();
    refresh();
    if (!reason) return true;
    ActiveControl = std::string(focus);
    if (host) host->warn(*reason);
    return false;
}

void TForm7::Button1Click()
{
    TransformerBank bank = fieldsBank();
    if (!bankAccepted(bank)) return;
    SupplyConditions supply = main_.supplyConditions;
    supply.banks.push_back(bank);
    // The bank checks on its own: what the conditions refuse is its name.
    if (apply([&] { return main_.setSupplyConditions(supply); }, "Edit1")) {
        ListBox1 = static_cast<int>(main_.supplyConditions.banks.size()) - 1;
        refresh();
    }
}

void TForm7::Button2Click()
{
    const int index = ListBox1;
    if (index < 0 || index >= static_cast<int>(main_.supplyConditions.banks.size())) {
        ActiveControl = "ListBox1";
        if (host) host->warn(kNoBankSelected);
        return;
    }
    TransformerBank bank = fieldsBank();
    if (!bankAccepted(bank)) return;
    const std::string oldName = main_.supplyConditions.banks[static_cast<std::size_t>(index)].name;
    SupplyConditions supply = main_.supplyConditions;
    supply.banks[static_cast<std::size_t>(index)] = bank;
    apply(
        [&]() -> std::optional<std::string> {
            if (auto reason = main_.setSupplyConditions(supply)) return reason;
            // The rows that named the bank keep it under its new name, in the same step.
            if (bank.name != oldName)
                for (int r = 0; r < main_.StringGrid1.rowCount(); ++r)
                    if (main_.StringGrid1.cell(col::BankName, r) == oldName) main_.setRowBank(r, bank.name);
            return std::nullopt;
        },
        "Edit1");
}

void TForm7::Button3Click()
{
    const int index = ListBox1;
    if (index < 0 || index >= static_cast<int>(main_.supplyConditions.banks.size())) {
        ActiveControl = "ListBox1";
        if (host) host->warn(kNoBankSelected);
        return;
    }
    const std::string name = main_.supplyConditions.banks[static_cast<std::size_t>(index)].name;
    std::vector<int> rows;
    for (int r = 0; r < main_.StringGrid1.rowCount(); ++r)
        if (main_.StringGrid1.cell(col::BankName, r) == name) rows.push_back(r);
    if (!rows.empty() && host &&
        !host->ask("バンク「" + name + "」を指定している " + std::to_string(rows.size()) +
                   " 行は、電源が（自動）に戻ります。削除してよろしいですか？"))
        return;
    SupplyConditions supply = main_.supplyConditions;
    supply.banks.erase(supply.banks.begin() + index);
    ListBox1 = -1;
    apply(
        [&]() -> std::optional<std::string> {
            // The rows let go of the bank before it goes, in the same step.
            for (int r : rows) main_.setRowBank(r, "");
            return main_.setSupplyConditions(supply);
        },
        "ListBox1");
}

void TForm7::Edit9Exit()
{
    if (Edit9 == main_.supplyConditions.breakingTime) return;
    SupplyConditions supply = main_.supplyConditions;
    supply.breakingTime = Edit9;
    // A refused time stays in the field for mending; the document keeps its own.
    apply([&] { return main_.setSupplyConditions(supply); }, "Edit9");
}

void TForm7::StringGrid1SetBank(int line, const std::string& text)
{
    if (line < 0 || line >= static_cast<int>(StringGrid1.size())) return;
    const int row = StringGrid1[static_cast<std::size_t>(line)].row;
    std::string name = text == kAutomaticBank ? std::string() : text;
    apply([&] { return main_.setRowBank(row, name); }, "StringGrid1");
}

void TForm7::StringGrid1SetBreakerIcu(int line, const std::string& text)
{
    if (line < 0 || line >= static_cast<int>(StringGrid1.size())) return;
    const int row = StringGrid1[static_cast<std::size_t>(line)].row;
    apply([&] { return main_.setRowBreakerIcu(row, text); }, "StringGrid1");
}

void TForm7::StringGrid1SetMainIcu(int line, const std::string& text)
{
    if (line < 0 || line >= static_cast<int>(StringGrid1.size())) return;
    const int row = StringGrid1[static_cast<std::size_t>(line)].row;
    apply([&] { return main_.setRowMainIcu(row, text); }, "StringGrid1");
}

PrintDocument TForm7::document() const
{
    return layoutShortCircuitPrint(main_.shortCircuit(), main_.StringGrid1, main_.supplyConditions, main_.titleBlock());
}

std::string TForm7::proposedPath(std::string_view extension) const
{
    const std::string& file = main_.FileName;
    std::filesystem::path folder = file.empty() ? std::filesystem::path() : std::filesystem::path(file).parent_path();
    return (folder / (main_.Edit1 + "_" + kShortCircuitTitle + std::string(extension))).string();
}

const std::string& TForm7::sheetFile() const { return main_.FileName; }

void TForm7::Button7Click()
{
    if (!host) return;
    std::optional<std::string> path = host->chooseFile(FileDialog::SaveWorkbook, proposedPath(".xlsx"));
    if (!path) return;
    if (!path->ends_with(".xlsx")) *path += ".xlsx";
    if (auto reason = outputOverInput(main_.FileName, *path)) {
        host->reportError(*reason);
        return;
    }
    if (auto failure = writeShortCircuitWorkbook(*path, main_.shortCircuit(), main_.StringGrid1, main_.supplyConditions,
                                                 main_.titleBlock()))
        host->reportError(failure->text);
}

}  // namespace tolvane
