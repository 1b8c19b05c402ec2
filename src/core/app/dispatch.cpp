#include "app/dispatch.h"

#include <algorithm>
#include <string>

#include "app/forms.h"
#include "cables/installation.h"
#include "calc/electrical_system.h"
#include "host/host.h"
#include "sheet/feeders.h"
#include "sheet/tree_marks.h"
#include "text/numbers.h"

namespace tolvane {
namespace {

std::string methodFromRow(const Sheet& sheet, int row)
{
    return MethodOfStored(sheet.cell(col::Method, row), sheet.cell(col::SubMethod, row));
}

void writeMethod(Sheet& sheet, int row, const std::string& method)
{
    StoredMethod stored = StoredMethodOf(method);
    sheet.setCell(col::Method, row, std::move(stored.method));
    sheet.setCell(col::SubMethod, row, std::move(stored.sub));
}

void growSheet(Sheet& sheet, int rows) { sheet.setRowCount(sheet.rowCount() + rows); }

// The default load name "L" + the number the feeder has once the feeders are
// numbered again.
void nameAfterFeederNumber(Sheet& sheet, int head) { sheet.setCell(col::LoadName, head, "L" + sheet.cell(col::No, head)); }

// The feeder's range into s1, e1, then the design currents, the single drops,
// the totals and the tap-rule check on it.
void recalculateFeeder(TForm1& f1, int row)
{
    FeederRange range = findFeederRange(f1.StringGrid1, row);
    f1.s1 = range.s1;
    f1.e1 = range.e1;
    f1.Button17Click();
    f1.Button10Click();
    f1.Button6Click();
    f1.Button7Click();
}

// ---------------------------------------------------------------- feeder path

// The cells of a single feeder's row and the feeder form's controls that hold
// them, both ways (the feeder number, the load name and the installation
// method have rules of their own).
struct FeederFormField {
    int column;
    std::string TForm2::*control;
};
const FeederFormField kFeederFormFields[] = {
    {col::Name, &TForm2::Edit2},          {col::System, &TForm2::ComboBox2},
    {col::Voltage, &TForm2::ComboBox3},   {col::Breaker, &TForm2::ComboBox4},
    {col::Length, &TForm2::ComboBox5},    {col::MainDevice, &TForm2::ComboBox11},
    {col::Current, &TForm2::Edit5},       {col::PowerFactor, &TForm2::Edit4},
    {col::Cable, &TForm2::Edit8},         {col::Allowable, &TForm2::Edit9},
    {col::Impedance, &TForm2::Edit10},    {col::Drop, &TForm2::Label60},
    {col::AllowableDrop, &TForm2::Label70}, {col::Remarks, &TForm2::Edit12},
    {col::Size, &TForm2::Label43},
};

void copyRowIntoFeederForm(const Sheet& sheet, int r, TForm2& f)
{
    for (const auto& field : kFeederFormFields) f.*field.control = sheet.cell(field.column, r);
    f.Edit1 = sheet.cell(col::No, r);
    f.Edit7 = sheet.cell(col::LoadName, r);
    f.ComboBox14 = methodFromRow(sheet, r);
    if (auto kind = LoadKindOf(f.ComboBox2, f.Edit4)) f.ComboBox13 = *kind;
}

void writeSingleFeeder(TForm1& f1, const TForm2& f, int r)
{
    Sheet& sheet = f1.StringGrid1;
    if (!hasValue(sheet.cell(col::No, r))) {
        sheet.setCell(col::No, r, std::to_string(f1.kansenno));
        sheet.setCell(col::FeederNo, r, std::to_string(f1.kansenno));
        ++f1.kansenno;
        growSheet(sheet, 1);
    }
    for (const auto& field : kFeederFormFields) sheet.setCell(field.column, r, f.*field.control);
    sheet.setCell(col::Mark, r, std::string(mark::Single));
    sheet.setCell(col::LoadName, r, f.Edit7);
    writeMethod(sheet, r, f.ComboBox14);
    sheet.setCell(col::Judgement, r, "");

    renumberFeeders(sheet);
    // Without a feeder name the load is named after the feeder's number, unless
    // the user typed a load name: that is never thrown away.
    if (f.Edit2.empty() && !hasValue(f.Edit7)) nameAfterFeederNumber(sheet, r);
    sheet.setCell(col::Over, r, "1");
    sheet.setCell(col::RowTotal, r, "1");
    FeederRange range = findFeederRange(sheet, r);
    f1.s1 = range.s1;
    f1.e1 = range.e1;
    f1.Button7Click();
}

// Tree marks of the rows a dwelling feeder is drawn with.
struct SystemMarks {
    std::string_view segment, branch, last;
};
SystemMarks marksOf(int systems, int system)
{
    if (systems == 2 && system == 1) return {mark::Segment1, mark::Branch1, mark::Last1};
    return {mark::Segment, mark::Branch, mark::Last};
}

// A count list that is empty or a lone blank stands for `fallback`.
int branchCount(const std::string& text, const char* fallback)
{
    return parseWhole(hasValue(text) ? std::string_view(text) : std::string_view(fallback));
}

void writeCableColumns(Sheet& sheet, int row, const TForm2& f)
{
    sheet.setCell(col::PowerFactor, row, f.Edit4);
    sheet.setCell(col::Cable, row, f.Edit8);
    writeMethod(sheet, row, f.ComboBox14);
    sheet.setCell(col::Allowable, row, f.Edit9);
    sheet.setCell(col::Impedance, row, f.Edit10);
    sheet.setCell(col::Size, row, f.Label43);
}

// The rows a new dwelling feeder is drawn with, from the feeder form's counts.
struct DwellingLayout {
    int systems = 1;
    int b1 = 0;        // branches of system 1
    int b2 = 0;        // branches of system 2
    int reserved = 0;  // F: branches the inserted room is made for, at least 2

    int lastRow(int r) const { return r + 2 * (b1 + b2); }
    // What the generation adds to the sheet: the inserted room, one row per
    // branch pair written, the head row and the feeder number.
    long long addedRows(bool inserting) const { return (inserting ? 2LL * reserved : 0) + 2LL * (b1 + b2) + 2; }
};

DwellingLayout dwellingLayoutOf(const TForm1& f1, const TForm2& f)
{
    DwellingLayout d;
    d.systems = f1.keitou;
    // A system without dwellings cannot be drawn: the first has at least one.
    d.b1 = std::max(branchCount(f.ComboBox1, "2"), 1);
    d.b2 = d.systems == 1 ? 0 : std::max(branchCount(f.ComboBox17, "0"), 0);
    d.reserved = std::max(d.b1 + d.b2, 2);
    return d;
}

// Whether any row below the edited one that the generation writes is in use.
bool rowsInUse(const Sheet& sheet, int from, int to)
{
    for (int row = from; row <= std::min(to, sheet.rowCount() - 1); ++row)
        for (const std::string& cell : sheet.row(row))
            if (hasValue(cell)) return true;
    return false;
}

void generateDwellingFeeder(TForm1& f1, const TForm2& f, int r, const DwellingLayout& layout, bool makeRoom)
{
    Sheet& sheet = f1.StringGrid1;
    const int systems = layout.systems;
    const int b1 = layout.b1;
    const int b2 = layout.b2;

    // Rows in use below the edited row: make room for the feeder first, so
    // that no row of another feeder is written over.
    if (makeRoom) sheet.insertRows(r + 1, 2 * layout.reserved);

    int u = r;
    for (int s = 1; s <= systems; ++s) {
        const int count = s == 1 ? b1 : b2;
        const SystemMarks marks = marksOf(systems, s);
        const std::string systemNo = std::to_string(s);
        for (int j = 1; j <= count; ++j) {
            if (s == 1 && j == 1) {
                // The sheet grows before the rows are written, so that a
                // feeder at the sheet's end keeps all its rows.
                growSheet(sheet, 1);
                sheet.setCell(col::Name, u, f.Edit2);
                sheet.setCell(col::System, u, f.ComboBox7);
                sheet.setCell(col::Voltage, u, f.ComboBox8);
                sheet.setCell(col::Breaker, u, f.ComboBox9);
                sheet.setCell(col::Length, u, f.ComboBox10);
                sheet.setCell(col::LoadName, u, f.Edit2);
                sheet.setCell(col::MainDevice, u, f.ComboBox12);
                sheet.setCell(col::Current, u, f.Edit3);
                writeCableColumns(sheet, u, f);
                sheet.setCell(col::Drop, u, f.Label60);
                sheet.setCell(col::AllowableDrop, u, f.Label70);
                sheet.setCell(col::Judgement, r, "");
                sheet.setCell(col::Mark, u, std::string(mark::Head));
                sheet.setCell(col::Mark, u + 1, std::string(systems == 1 ? mark::Point : mark::Point2));
                sheet.setCell(col::LoadName, u + 1, "分岐点");
            }
            growSheet(sheet, 2);
            if (s == 2 && j == 1) {
                sheet.setCell(col::Mark, u + 1, std::string(mark::Segment));
                sheet.setCell(col::SystemNo, u + 1, "2");
            }
            sheet.setCell(col::Length, u + 1, f.ComboBox6);
            if (j > 1) {
                sheet.setCell(col::Mark, u + 1, std::string(marks.segment));
                sheet.setCell(col::LoadName, u + 1, "分岐間");
            }
            writeCableColumns(sheet, u + 1, f);
            sheet.setCell(col::SystemNo, u + 1, systemNo);
            sheet.setCell(col::Judgement, r, "");

            sheet.setCell(col::Mark, u + 2, std::string(marks.branch));
            sheet.setCell(col::MainDevice, u + 2, f.ComboBox12);
            sheet.setCell(col::Current, u + 2, f.ComboBox15);
            sheet.setCell(col::PowerFactor, u + 2, f.Edit4);
            sheet.setCell(col::SystemNo, u + 2, systemNo);
            u += 2;
        }
        if (count > 0) sheet.setCell(col::Mark, u, std::string(marks.last));
        if (!hasValue(sheet.cell(col::No, r))) {
            sheet.setCell(col::No, r, std::to_string(f1.kansenno));
            sheet.setCell(col::FeederNo, r, std::to_string(f1.kansenno));
            ++f1.kansenno;
            growSheet(sheet, 1);
        }
    }

    renumberFeeders(sheet);
    if (f.Edit2.empty()) nameAfterFeederNumber(sheet, r);
    recalculateFeeder(f1, r);
    sheet.setCell(col::RowTotal, r, std::to_string(f1.e1 - f1.s1 + 1));
}

void feederPath(Forms& forms, int r)
{
    TForm1& f1 = forms.form1;
    TForm2& f = forms.form2;
    Sheet& sheet = f1.StringGrid1;

    f.Button1Enabled = true;
    if (sheet.cell(col::Mark, r) == mark::Single) {
        try {
            f.Button6Click();
        } catch (const ConversionError&) {
            // The allowable drop is computed again when the form is shown.
        }
        f.Button1Enabled = false;
        copyRowIntoFeederForm(sheet, r, f);
    }
    if (sheet.cell(col::No, r).empty()) f.Edit1 = std::to_string(f1.kansenno);

    f1.patan = 0;
    f.FormShow();
    if (f1.host) f1.host->showFeederForm(f);
    if (f1.patan == 0) return;

    if (f1.patan == 1) {
        // A feeder that would grow the sheet beyond its limit is not
        // written; the form keeps what was entered.
        if (!f1.roomForRows(hasValue(sheet.cell(col::No, r)) ? 0 : 1)) return;
        f1.modified = true;
        writeSingleFeeder(f1, f, r);
        return;
    }
    const DwellingLayout layout = dwellingLayoutOf(f1, f);
    const bool makeRoom = rowsInUse(sheet, r + 1, layout.lastRow(r));
    if (!f1.roomForRows(layout.addedRows(makeRoom))) return;
    f1.modified = true;
    generateDwellingFeeder(f1, f, r, layout, makeRoom);
}

// ---------------------------------------------------------------- branch path

void copyRowIntoBranchForm(const Sheet& sheet, FeederRange range, int r, TForm4& f)
{
    const int head = range.s1;
    f.Edit1 = sheet.cell(col::Name, head);
    f.Edit2 = sheet.cell(col::System, head);
    f.Edit3 = sheet.cell(col::Voltage, head);
    f.Edit8 = sheet.cell(col::Breaker, head);

    auto copyIfSet = [&](int column, std::string& field) {
        if (!sheet.cell(column, r).empty()) field = sheet.cell(column, r);
    };
    f.Edit4 = sheet.cell(col::Mark, r);
    copyIfSet(col::Length, f.ComboBox6);
    f.Edit5 = sheet.cell(col::LoadName, r);
    f.ComboBox12 = sheet.cell(col::MainDevice, r);
    f.ComboBox15 = sheet.cell(col::Current, r);
    f.Edit6 = sheet.cell(col::PowerFactor, r);
    copyIfSet(col::Cable, f.Edit10);
    f.ComboBox14 = methodFromRow(sheet, r);
    copyIfSet(col::Allowable, f.Edit11);
    copyIfSet(col::Impedance, f.Edit12);
    f.Label60 = sheet.cell(col::Drop, r);
    f.Label70 = sheet.cell(col::AllowableDrop, r);
    f.Edit9 = sheet.cell(col::Remarks, r);
    f.Label10 = sheet.cell(col::CumLength, r);
    copyIfSet(col::Size, f.Label43);
    // Label10 is the length up to the start of this row's run.
    const std::string& length = sheet.cell(col::Length, r);
    if (!length.empty() && !f.Label10.empty())
        f.Label10 = formatShortest(parseDecimal(f.Label10) - parseDecimal(length));

    if (auto v = DefaultVoltage(f.Edit2)) f.Edit7 = v->referenceVoltage;

    const std::string& treeMark = sheet.cell(col::Mark, r);
    f.firstSegmentMark = treeMark == mark::Point2 ||
                         (treeMark == mark::Segment && sheet.cell(col::SystemNo, r - 1) == "1" &&
                          sheet.cell(col::SystemNo, r) == "2");
    f.ComboBox1.clear();
    f.ComboBox2.clear();
}

// The load name of a written row: the form's name, numbered when a first
// number is given.
std::string loadName(const TForm4& f, long long number)
{
    if (f.ComboBox1.empty()) return f.Edit5;
    return f.Edit5 + std::to_string(number) + f.ComboBox2;
}

// Writes the edited values into row t. `sameDataRow` is a later row written
// with "これより後ろの階は同じデーターで書き込む": its tree mark and remarks
// stay, and the impedance is taken as it is.
void writeBranchRow(Sheet& sheet, const TForm4& f, int t, long long number, bool sameDataRow)
{
    if (!sameDataRow) sheet.setCell(col::Mark, t, f.Edit4);
    sheet.setCell(col::Length, t, f.ComboBox6);
    if (!f.CheckBox2) sheet.setCell(col::LoadName, t, loadName(f, number));
    sheet.setCell(col::MainDevice, t, f.ComboBox12);
    sheet.setCell(col::Current, t, f.ComboBox15);
    sheet.setCell(col::PowerFactor, t, f.Edit6);
    sheet.setCell(col::Cable, t, f.Edit10);
    writeMethod(sheet, t, f.ComboBox14);
    sheet.setCell(col::Allowable, t, f.Edit11);
    sheet.setCell(col::Impedance, t, sameDataRow || f.Edit12 != "Z" ? f.Edit12 : std::string("0"));
    sheet.setCell(col::Drop, t, f.Label60);
    sheet.setCell(col::AllowableDrop, t, f.Label70);
    if (!sameDataRow) sheet.setCell(col::Remarks, t, f.Edit9);
    sheet.setCell(col::Size, t, f.Label43);
    if (!sameDataRow) sheet.setCell(col::Judgement, t, "");
}

void branchPath(Forms& forms, int r)
{
    TForm1& f1 = forms.form1;
    TForm4& f = forms.form4;
    Sheet& sheet = f1.StringGrid1;

    FeederRange range = findFeederRange(sheet, r);
    f1.s1 = range.s1;
    f1.e1 = range.e1;
    copyRowIntoBranchForm(sheet, range, r, f);

    f.FormShow();
    if (f1.host) f1.host->showBranchForm(f);
    // The row is written back whichever way the form closed: "キャンセル"
    // closes without the recording checks, which is how a dwelling row that
    // carries no cable is renamed or given another current.
    f1.modified = true;

    const int head = range.s1;
    sheet.setCell(col::Name, head, f.Edit1);
    sheet.setCell(col::System, head, f.Edit2);
    sheet.setCell(col::Voltage, head, f.Edit3);
    sheet.setCell(col::Breaker, head, f.Edit8);

    const long long first = f.ComboBox1.empty() ? 0 : parseWhole(f.ComboBox1);
    const RowKind kind = rowKindOf(sheet.cell(col::Mark, r));
    if (kind == RowKind::Head || !f.CheckBox1) writeBranchRow(sheet, f, r, first, false);
    if (f.CheckBox1) {
        sheet.setCell(col::Mark, r, f.Edit4);
        const std::string treeMark = sheet.cell(col::Mark, r);
        long long number = first;
        for (int t = r; t <= range.e1; ++t) {
            const std::string& other = sheet.cell(col::Mark, t);
            if (other == treeMark || (kind == RowKind::Branch && isBranchMark(other))) {
                writeBranchRow(sheet, f, t, number, true);
                ++number;
            }
        }
        sheet.setCell(col::Judgement, r, "");
    }

    sheet.setCell(col::RowTotal, r, std::to_string(range.e1 - range.s1 + 1));
    recalculateFeeder(f1, r);
}

}  // namespace

void StringGrid1DblClick(Forms& forms)
{
    TForm1& f1 = forms.form1;
    const int r = f1.uy1;
    if (r < 0 || r >= f1.StringGrid1.rowCount()) return;
    try {
        if (rowKindOf(f1.StringGrid1.cell(col::Mark, r)) == RowKind::SingleOrEmpty)
            feederPath(forms, r);
        else
            branchPath(forms, r);
    } catch (const ConversionError&) {
        // The dispatch reports nothing; what was written stays written.
    }
}

}  // namespace tolvane
