#include "output/print_page.h"

#include <cmath>

#include "calc/run_limits.h"
#include "output/page_record.h"
#include "text/cp932.h"
#include "text/numbers.h"

namespace tolvane {

namespace {

constexpr int kFirstTextY = 1142;
constexpr int kLinePitch = 153;
constexpr int kTableTop = 1100;
constexpr int kTableBottom = 3854;
constexpr int kFrameLeft = 560;
constexpr int kFrameRight = 6320;

struct PlacedText {
    int x;
    int y;
    int size;
    const char* text;
};

// Column headings, placed line by line.
constexpr PlacedText kHeadings[] = {
    {640, 835, 8, "幹線番号"},   {640, 895, 8, "又は名称"},   {1010, 860, 8, "電気方式"},
    {1360, 805, 8, "電圧"},      {1377, 995, 8, "[V]"},       {1600, 747, 8, "幹線保"},
    {1600, 809, 8, "護用遮"},    {1600, 871, 8, "断器定"},    {1600, 933, 8, "格電流"},
    {1655, 995, 8, "[A]"},       {1953, 860, 8, "系統"},      {2210, 805, 8, "こう長"},
    {2218, 995, 8, "l [ｍ]"},     {2505, 860, 8, "負荷名称"},  {2850, 805, 8, "主幹器具"},
    {2850, 867, 8, "定格電流"},  {2940, 995, 8, "[A]"},       {3145, 805, 8, "設計負荷"},
    {3145, 867, 8, "　電流　"},  {3210, 995, 8, "I [A]"},     {3460, 805, 8, "負荷の"},
    {3460, 867, 8, " 力率 "},    {3488, 995, 8, "cosθ"},      {3780, 805, 8, "種別及び"},
    {3780, 867, 8, " 断面積 "},  {3802, 995, 8, "A [mm ]"},   {3950, 980, 5, "2"},
    {4238, 710, 7, "電線及びケーブル"},                       {4260, 899, 7, "配線方式"},
    {4710, 805, 7, "許容"},      {4710, 867, 7, "電流"},      {4722, 995, 7, "[A]"},
    {4946, 805, 7, "電線1Kmあ"}, {4965, 867, 7, "たりのｲﾝ"},  {4980, 929, 7, "ﾋﾟｰﾀﾞﾝｽ"},
    {4951, 995, 7, "Z [Ω/km]"},  {5272, 710, 7, "各線間の電圧降下"},
    {5430, 772, 7, "e [V]"},     {5258, 886, 7, "単一配線"},  {5258, 948, 7, "　 の"},
    {5258, 1010, 7, "電圧降下"}, {5518, 886, 7, "分岐があ"},  {5518, 948, 7, "る場合の"},
    {5518, 1010, 7, "　合計"},   {5790, 805, 7, "許容電"},    {5790, 867, 7, "圧降下"},
    {5838, 995, 7, "[V]"},       {6098, 867, 7, "備考"},
};

// The footnote: the voltage-drop formula, its legend and the coefficient table.
constexpr PlacedText kFootnote[] = {
    {600, 3865, 7, "電圧降下による電線太さの算出"},
    {900, 4059, 7, "e＝"},
    {1080, 4020, 7, "K'IlZ"},
    {1080, 4095, 7, "1,000"},
    {1330, 4059, 7, "[V]"},
    {700, 4173, 7, "中性線がある場合は中性線との電圧降下"},
    {1855, 3865, 7, "ここに、e：各線間の電圧降下[V]"},
    {2058, 3942, 7, "K'：電気方式による係数"},
    {2086, 4019, 7, "I：設計負荷電流 [A]"},
    {2086, 4096, 7, "l：こう長 [m]"},
    {2086, 4173, 7, "Z：電線1Kmあたりのｲﾝﾋﾟｰﾀﾞﾝｽ [Ω/Km]"},
    {3720, 3865, 7, "K'：電気方式による係数"},
    {3580, 3942, 7, "回路の電気方式"},
    {4320, 3942, 7, "係数"},
    {3432, 4019, 7, "単相2線式"},
    {4360, 4019, 7, "2"},
    {3432, 4096, 7, "三相3線式"},
    {4325, 4091, 8, "√"},
    {4360, 4096, 7, "3"},
    {3432, 4173, 7, "単相3線式、三相4線式"},
    {4360, 4173, 7, "1"},
};

// Number columns of an item line: sheet column, x, decimals, width.
struct NumberColumn {
    int column;
    int x;
    int decimals;
    int width;
};
constexpr NumberColumn kNumberColumns[] = {
    {col::Breaker, 1648, 2, 5},    {col::Length, 2140, 2, 8},    {col::MainDevice, 2830, 2, 8},
    {col::Current, 3130, 2, 8},    {col::PowerFactor, 3390, 2, 8}, {col::Allowable, 4610, 2, 8},
    {col::Impedance, 4945, 3, 8},  {col::Drop, 5211, 2, 8},      {col::DropSum, 5475, 2, 8},
    {col::AllowableDrop, 5694, 2, 8},
};

const NumberColumn& numberColumn(int column)
{
    for (const NumberColumn& n : kNumberColumns)
        if (n.column == column) return n;
    return kNumberColumns[0];
}

// The columns that hold a value of a run's calculation.
std::optional<RunValue> runValueOf(int column)
{
    switch (column) {
    case col::Length: return RunValue::Length;
    case col::Current: return RunValue::Current;
    case col::PowerFactor: return RunValue::PowerFactor;
    default: return std::nullopt;
    }
}

// The item texts: where each starts and the rule that ends its column.
struct TextColumn {
    int column;
    int x;
    int right;
};
constexpr TextColumn kTextColumns[] = {
    {col::Name, 580, 1000},  {col::System, 1022, 1295}, {col::Voltage, 1303, 1556},
    {col::LoadName, 2450, 2836}, {col::Cable, 3705, 4118}, {col::Method, 4132, 4622},
};
constexpr int kItemTextSize = 8;

const TextColumn& textColumn(int column)
{
    for (const TextColumn& t : kTextColumns)
        if (t.column == column) return t;
    return kTextColumns[0];
}

// Half-width units that fit into a text column at a size: the print font is
// fixed-pitch, a half-width character half a point size wide (8 pt: 33 print
// units; a load name fits 11 of them).
std::size_t unitsThatFit(const TextColumn& c, int size)
{
    return static_cast<std::size_t>((c.right - c.x) * 144 / (kPrintUnitsPerInch * size));
}

// The size at which a text fits its column: the item size, or the largest
// whole point size below it that fits.
int fittedSize(const TextColumn& c, std::string_view text)
{
    const std::size_t units = cp932Length(text);
    int size = kItemTextSize;
    while (size > 1 && units > unitsThatFit(c, size)) --size;
    return size;
}

// The vertical rules of the table: x and the top they hang from.
struct Rule {
    int x;
    int top;
};
constexpr Rule kColumnRules[] = {
    {1295, 600}, {1556, 600}, {1000, 700}, {1851, 700}, {2181, 700}, {2441, 700}, {2836, 700},
    {3132, 700}, {3428, 700}, {3689, 700}, {5244, 700}, {5766, 700}, {5990, 700}, {4118, 775},
    {4622, 775}, {4913, 775}, {5505, 852},
};

// Names of the number columns in a failure notice.
const char* columnTitle(int column)
{
    switch (column) {
    case col::Breaker: return "幹線保護用遮断器定格電流";
    case col::Length: return "こう長";
    case col::MainDevice: return "主幹器具定格電流";
    case col::Current: return "設計負荷電流";
    case col::PowerFactor: return "負荷の力率";
    case col::Allowable: return "許容電流";
    case col::Impedance: return "ｲﾝﾋﾟｰﾀﾞﾝｽ";
    case col::Drop: return "単一配線の電圧降下";
    case col::DropSum: return "分岐がある場合の合計";
    case col::AllowableDrop: return "許容電圧降下";
    case col::RowTotal: return "幹線の行数";
    default: return "";
    }
}

class PageWriter {
public:
    explicit PageWriter(PrintPage& page) : page_(page) {}

    void text(int x, int y, int size, std::string text, bool underline = false)
    {
        if (text.empty()) return;
        page_.items.push_back(DrawText{x, y, size, underline, std::move(text)});
    }
    void line(int x1, int y1, int x2, int y2, int pen) { page_.items.push_back(DrawLine{x1, y1, x2, y2, pen}); }
    void rect(int l, int t, int r, int b, int pen) { page_.items.push_back(DrawRect{l, t, r, b, pen}); }

private:
    PrintPage& page_;
};

// One item line at text top y. A number column that is no number throws
// ConversionError after the columns to its left have been drawn.
void drawItemLine(PageWriter& out, const Sheet& sheet, int r, int y, int& failedColumn)
{
    auto number = [&](int column) {
        const NumberColumn& n = numberColumn(column);
        failedColumn = column;
        if (auto text = printNumber(sheet.cell(column, r), n.decimals, n.width)) out.text(n.x, y, kItemTextSize, *text);
    };
    // A text too long for its column is drawn smaller rather than across the next one.
    auto text = [&](int column, int dy, const std::string& value) {
        const TextColumn& c = textColumn(column);
        out.text(c.x, y + dy, fittedSize(c, value), value);
    };
    text(col::Name, 0, sheet.cell(col::Name, r));
    text(col::System, 0, sheet.cell(col::System, r));
    text(col::Voltage, 0, sheet.cell(col::Voltage, r));
    number(col::Breaker);
    out.text(1860, y - 15, 12, sheet.cell(col::Mark, r));
    number(col::Length);
    if (!sheet.cell(col::Length, r).empty()) {
        // A long load name takes two lines: as much as fits on the first,
        // the rest on the second, drawn smaller if it still does not fit.
        const std::string& name = sheet.cell(col::LoadName, r);
        const std::size_t fits = unitsThatFit(textColumn(col::LoadName), kItemTextSize);
        if (cp932Length(name) <= fits) {
            text(col::LoadName, 0, name);
        } else {
            auto [first, rest] = splitCp932Width(name, fits);
            text(col::LoadName, -33, first);
            text(col::LoadName, 33, rest);
        }
    }
    number(col::MainDevice);
    number(col::Current);
    number(col::PowerFactor);
    text(col::Cable, 0, sheet.cell(col::Cable, r));
    std::vector<std::string> method = methodLines(sheet, r);
    if (method.size() == 1) {
        text(col::Method, 0, method[0]);
    } else {
        text(col::Method, -32, method[0]);
        text(col::Method, 32, method[1]);
    }
    number(col::Allowable);
    number(col::Impedance);
    number(col::Drop);
    number(col::DropSum);
    number(col::AllowableDrop);
}

// Frame, headings, title block, footnote and page number of a finished page.
void drawFurniture(PageWriter& out, const TitleBlock& title, int pageNumber)
{
    out.text(5800, 375, 7, kFormNumber);
    out.text(650, 492, 9, kDocumentTitle);
    out.text(2170, 492, 9, " 建物名称  " + title.building + " ", true);
    out.text(5500, 492, 8, title.eraDate, true);
    out.text(850, 622, 8, kFrequencyLabel);
    out.text(1398, 622, 8, title.frequency);
    out.text(6140, 4315, 7, kFormMark);

    for (const PlacedText& h : kHeadings) out.text(h.x, h.y, h.size, h.text);
    for (const PlacedText& f : kFootnote) out.text(f.x, f.y, f.size, f.text);
    // The fraction bar and the rules of the coefficient table keep the pen
    // the previous page's frame left behind (1 pixel on the first page).
    const int footnotePen = pageNumber == 1 ? 1 : 2;
    out.line(995, 4090, 1290, 4090, footnotePen);
    for (int y : {4012, 4089, 4166, 4243}) out.line(3428, y, 4628, y, footnotePen);

    if (title.pageNumbers) out.text(6600, 4650, 9, "P-" + std::to_string(pageNumber));

    out.rect(kFrameLeft, 450, kFrameRight, 4300, 10);
    for (int y : {600, 700, kTableTop}) out.line(kFrameLeft, y, kFrameRight, y, 3);
    for (int k = 1; k <= kRowsPerPage; ++k)
        out.line(kFrameLeft, kTableTop + kLinePitch * k, kFrameRight, kTableTop + kLinePitch * k, 3);
    out.line(kFrameLeft, kTableBottom, kFrameRight, kTableBottom, 7);
    for (const Rule& rule : kColumnRules) out.line(rule.x, rule.top, rule.x, kTableBottom, 2);
    out.line(3689, 775, 5244, 775, 2);
    out.line(5244, 852, 5766, 852, 2);
}

}  // namespace

std::optional<std::string> printNumber(std::string_view cell, int decimals, int width)
{
    if (cell.empty()) return std::nullopt;
    // Drops and currents the sheet itself wrote may carry thousands separators.
    double value = parseGrouped(cell);
    std::string fixed = formatPadded(value, decimals, width);
    std::string::size_type point = fixed.find('.');
    bool wholeDecimals = point != std::string::npos && fixed.find_first_not_of('0', point + 1) == std::string::npos;
    if (!wholeDecimals) return fixed;
    std::string whole = formatFixed(value, 0);
    // A value that shows as zero (also a small negative one) leaves the field empty.
    if (whole == "0" || whole == "-0") return std::nullopt;
    if (static_cast<int>(whole.size()) < width) whole.insert(0, static_cast<std::size_t>(width) - whole.size(), ' ');
    return whole;
}

std::vector<CellFault> unusableCells(const Sheet& sheet)
{
    std::vector<CellFault> faults;
    auto fault = [&](int row, int column, std::string_view why) {
        const std::string& text = sheet.cell(column, row);
        faults.push_back({row, column, text,
                          "列 " + std::to_string(column) + " " + columnTitle(column) + "：「" + text + "」は" +
                              std::string(why)});
    };
    for (int row : rowCountFaults(sheet)) fault(row, col::RowTotal, "行数ではありません");
    const int last = documentLastRow(sheet);
    for (int r = 0; r <= last; ++r) {
        for (const NumberColumn& n : kNumberColumns) {
            const std::string& cell = sheet.cell(n.column, r);
            try {
                printNumber(cell, n.decimals, n.width);
            } catch (const ConversionError&) {
                fault(r, n.column, "数値ではありません");
                continue;
            }
            const std::optional<RunValue> kind = runValueOf(n.column);
            if (kind && hasValue(cell) && !runValueUsable(*kind, parseGrouped(cell)))
                fault(r, n.column, std::string(runValueRange(*kind)) + "の数値ではありません");
        }
    }
    return faults;
}

double pageScale(int dotsPerInch)
{
    if (dotsPerInch >= kPrintUnitsPerInch) return static_cast<double>(dotsPerInch / kPrintUnitsPerInch);
    return dotsPerInch > 0 ? dotsPerInch / static_cast<double>(kPrintUnitsPerInch) : 1.0;
}

std::string printFailureText(const PrintFailure& failure)
{
    std::string text = kPrintFailedMessage;
    text += "\n（" + std::to_string(failure.row + 1) + " 行目の " + columnTitle(failure.column) + "：「" + failure.text +
            "」は数値ではありません）";
    return text;
}

PrintDocument layoutPrint(const Sheet& sheet, const TitleBlock& title)
{
    PrintDocument doc;
    doc.jobTitle = title.building;
    const int last = documentLastRow(sheet);
    doc.pages.emplace_back();
    int lineOnPage = 0;
    int pageNumber = 0;
    int y = kFirstTextY;
    for (int r = 0; r <= last; ++r) {
        PageWriter out(doc.pages.back());
        ++lineOnPage;
        int failedColumn = 0;
        try {
            drawItemLine(out, sheet, r, y, failedColumn);
        } catch (const ConversionError& e) {
            doc.failure = PrintFailure{r, failedColumn, e.text()};
            return doc;
        }
        if (lineOnPage <= kRowsPerPage - 1) y += kLinePitch;
        if (lineOnPage == kRowsPerPage || r == last) {
            drawFurniture(out, title, ++pageNumber);
            if (r != last) {
                doc.pages.emplace_back();
                y = kFirstTextY;
                lineOnPage = 0;
            }
        }
    }
    return doc;
}

}  // namespace tolvane
