#include "output/short_circuit_document.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "text/cp932.h"
#include "text/numbers.h"

namespace tolvane {

namespace {

// ---- the columns and the texts of a row

// Fault currents, ratios and sections with two decimals; the Icu ladder
// values with one (7.5, 2.5); ratings and lengths as the voltage-drop
// document prints them.
const std::vector<ShortCircuitColumn> kColumns = {
    {{"No."}, {}, {}, 0, 200, 5, -1},
    {{"幹線番号", "又は名称"}, {}, {}, 0, 310, 10, -1},
    {{"負荷名称"}, {}, {}, 0, 420, 14, -1},
    {{"電気方式"}, {}, {}, 0, 280, 8, -1},
    {{"電圧", "[V]"}, {}, {}, 0, 280, 8, -1},
    {{"電源"}, {}, {}, 0, 270, 8, -1},
    {{"ケーブル"}, {}, {}, 0, 400, 12, -1},
    {{"こう長", "[m]"}, {}, {}, 0, 270, 8, 2},
    {{"始端", "[kA]"}, "短絡電流", "短絡電流", 2, 220, 7, 2},
    {{"終端", "[kA]"}, {}, "短絡電流", 0, 220, 7, 2},
    {{"X/R"}, {}, {}, 0, 180, 6, 2},
    {{"力率"}, {}, {}, 0, 180, 6, 2},
    {{"i_p", "[kA]"}, {}, {}, 0, 220, 7, 2},
    {{"定格", "[A]"}, "幹線保護用遮断器", "遮断器", 3, 200, 6, 2},
    {{"Icu", "[kA]"}, {}, "遮断器", 0, 180, 6, 1},
    {{"必要", "[kA]"}, {}, "遮断器", 0, 250, 8, 1},
    {{"定格", "[A]"}, "主幹器具", "主幹器具", 3, 200, 6, 2},
    {{"Icu", "[kA]"}, {}, "主幹器具", 0, 180, 6, 1},
    {{"必要", "[kA]"}, {}, "主幹器具", 0, 250, 8, 1},
    {{"S", "[mm2]"}, "ケーブル", "ケーブル", 2, 200, 7, 2},
    {{"S_min", "[mm2]"}, {}, "ケーブル", 0, 220, 7, 2},
    {{"判定"}, {}, {}, 0, 1110, 40, -1},
};

// A number as the voltage-drop document prints it (fixed decimals, whole
// values without them, nothing for zero); a text that is no number as it
// stands: an entered Icu that does not read is shown, not hidden.
ShortCircuitCell numberCell(std::string_view text, int decimals)
{
    ShortCircuitCell cell;
    if (text.empty()) return cell;
    if (std::optional<GroupedNumber> n = tryParseGrouped(text); n && std::isfinite(n->value)) {
        cell.number = n->value;
        cell.text = printNumber(text, decimals, 0).value_or("");
        return cell;
    }
    cell.text = std::string(text);
    return cell;
}

ShortCircuitCell valueCell(double value, int decimals)
{
    if (value == 0 || !std::isfinite(value)) return {};
    return numberCell(formatShortest(value), decimals);
}

ShortCircuitCell textCell(std::string text, bool failed = false) { return {std::move(text), std::nullopt, failed}; }

bool failedCheck(CheckState state) { return state == CheckState::Failed || state == CheckState::BadInput; }

}  // namespace

const std::vector<ShortCircuitColumn>& shortCircuitColumns() { return kColumns; }

std::vector<ShortCircuitCell> shortCircuitCells(const ShortCircuitRow& row, const Sheet& sheet)
{
    std::vector<ShortCircuitCell> cells(sccol::Count);
    // The feeder number of a head or single row, as the sheet's No. column shows it.
    cells[sccol::No] = textCell(sheet.cell(col::No, row.row));
    cells[sccol::Name] = textCell(row.name);
    cells[sccol::LoadName] = textCell(row.loadName);
    cells[sccol::System] = textCell(row.system);
    cells[sccol::Voltage] = textCell(row.voltage);
    cells[sccol::Bank] = textCell(row.bank);
    cells[sccol::Cable] = textCell(row.cable);
    cells[sccol::Length] = numberCell(row.length, kColumns[sccol::Length].decimals);
    cells[sccol::BreakerRating] = numberCell(row.breakerRating, kColumns[sccol::BreakerRating].decimals);
    cells[sccol::MainRating] = numberCell(row.mainRating, kColumns[sccol::MainRating].decimals);
    // What the user entered stays in view also on a row that was not computed.
    cells[sccol::BreakerIcu] = numberCell(row.breakerIcu, kColumns[sccol::BreakerIcu].decimals);
    cells[sccol::MainIcu] = numberCell(row.mainIcu, kColumns[sccol::MainIcu].decimals);
    if (!row.computed()) {
        cells[sccol::Judgement] = textCell(row.reason, row.reason != kNotComputedDc);
        return cells;
    }
    auto value = [&](int column, double v) { cells[column] = valueCell(v, kColumns[column].decimals); };
    value(sccol::StartKa, row.start.checked);
    value(sccol::EndKa, row.end.checked);
    value(sccol::XOverR, row.xOverR);
    value(sccol::PowerFactor, row.powerFactor);
    value(sccol::Peak, row.peakKa);
    value(sccol::Section, row.section);
    value(sccol::MinimumSection, row.minimumSection);
    // A required Icu beyond the ladder is the current itself, marked: a text.
    cells[sccol::BreakerRequired] = numberCell(row.breakerRequired, kColumns[sccol::BreakerRequired].decimals);
    cells[sccol::MainRequired] = numberCell(row.mainRequired, kColumns[sccol::MainRequired].decimals);
    const bool breaker = failedCheck(row.breakerCheck);
    const bool main = failedCheck(row.mainCheck);
    const bool cable = failedCheck(row.cableCheck);
    cells[sccol::BreakerIcu].failed = cells[sccol::BreakerRequired].failed = breaker;
    cells[sccol::MainIcu].failed = cells[sccol::MainRequired].failed = main;
    cells[sccol::Section].failed = cells[sccol::MinimumSection].failed = cable;
    cells[sccol::Judgement] = textCell(row.judgement, row.failed());
    return cells;
}

ShortCircuitHead shortCircuitHead(const SupplyConditions& supply)
{
    ShortCircuitHead head;
    head.bankHeading = {"名称", "相", "二次電圧 [V]", "定格容量 [kVA]", "%Z", "%R", "%X", "高圧側短絡電流 [kA]",
                        "高圧側電圧 [kV]"};
    for (const TransformerBank& bank : supply.banks) {
        BankCheck check = checkBank(bank);
        std::string voltage = bank.voltage;
        if (bank.phases == BankPhases::Single) {
            // A single-phase bank is a three-wire bank: its line-to-neutral voltage beside the line voltage.
            if (std::optional<double> v = tryParseDecimal(bank.voltage)) voltage += "/" + formatShortest(*v / 2);
        }
        std::string r = bank.percentR;
        std::string x;
        if (check.values) {
            if (r.empty() && !bank.loadLoss.empty())
                r = formatFixed(check.values->percentR, 2) + "（負荷損 " + bank.loadLoss + " W）";
            else if (r.empty())
                r = "0（記入なし）";
            x = formatFixed(check.values->percentX, 2);
        }
        head.banks.push_back({bank.name, std::string(phasesText(bank.phases)), voltage, bank.kva, bank.percentZ, r, x,
                              bank.hvKa.empty() ? std::string("無限大母線") : bank.hvKa, bank.hvKa.empty() ? "" : bank.hvKv});
    }
    head.breakingTime = "遮断時間 t = " + supply.breakingTime + " s（ケーブルの短時間耐量の計算に用いる）";
    head.assumptions = {
        "・インピーダンスは各電源（変圧器バンク）の定格二次電圧に換算したオーム値で合成し、電圧係数は用いない。"
        "単相バンクの中性点側は V/2、三相4線の対地側は V/√3 とする。",
        "・ケーブルの抵抗は導体温度 20 ℃ の値 R20 = R_T × (234.5 + 20) / (234.5 + T) とし（T：電線表の導体温度）、"
        "リアクタンスは電線表の値とする。",
        "・高圧側電源は短絡容量 √3 × V × I の純リアクタンスとし、高圧ケーブルのインピーダンスと電動機からの寄与は無視する。",
        "・%R の記入がない電源は %R = 0（短絡電流が大きくなる側）とし、%X = √(%Z² − %R²) とする。",
        "・ピーク値 i_p = κ × √2 × I、κ = 1.02 + 0.98 e^(−3R/X)。遮断器・主幹器具の Icu は対称実効値と比べる。",
        "・ケーブルの短時間耐量 S ≧ S_min = I_th × √t / k（銅、断熱）。I_th = I × √(m + 1) は始端の短絡電流の直流分を含む熱等価電流。",
    };
    head.kHeading = {"絶縁体", "常時許容温度 [℃]", "短絡時許容温度 [℃]", "k"};
    for (const InsulationClass& c : insulationClasses())
        head.kTable.push_back({std::string(c.name), formatShortest(c.workingC), formatShortest(c.shortCircuitC),
                               formatFixed(c.k(), 1)});
    return head;
}

// ---- print

namespace {

constexpr int kLeft = 400;
constexpr int kRight = 6600;
constexpr int kTop = 450;
constexpr int kBottom = 4450;
constexpr int kTitleLine = 600;
constexpr int kTitleBottom = 700;
constexpr int kHeadFont = 7;
constexpr int kHeadPitch = 100;
constexpr int kRowPitch = 160;
constexpr int kRowFont = 7;
constexpr int kPadding = 20;

// Width of a text in the fixed-width print font: half a point size per
// single-byte character, a whole one per double-byte character.
int textWidth(std::string_view text, int size)
{
    return static_cast<int>(std::lround(static_cast<double>(cp932Length(text)) * size * kPrintUnitsPerInch / 72.0 / 2));
}

class Page {
public:
    explicit Page(PrintPage& page) : page_(page) {}
    void text(int x, int y, int size, std::string text, bool underline = false)
    {
        if (text.empty()) return;
        page_.items.push_back(DrawText{x, y, size, underline, std::move(text)});
    }
    void right(int rightX, int y, int size, std::string s)
    {
        const int w = textWidth(s, size);
        text(rightX - w, y, size, std::move(s));
    }
    void centre(int left, int rightX, int y, int size, std::string s)
    {
        const int w = textWidth(s, size);
        text(left + std::max(0, (rightX - left - w) / 2), y, size, std::move(s));
    }
    void line(int x1, int y1, int x2, int y2, int pen) { page_.items.push_back(DrawLine{x1, y1, x2, y2, pen}); }
    void rect(int l, int t, int r, int b, int pen) { page_.items.push_back(DrawRect{l, t, r, b, pen}); }

private:
    PrintPage& page_;
};

// Left edges of the row table's columns, and the right edge last.
std::vector<int> columnEdges()
{
    std::vector<int> edges{kLeft};
    for (const ShortCircuitColumn& c : kColumns) edges.push_back(edges.back() + c.printWidth);
    edges.back() = kRight;
    return edges;
}

void drawTitleBlock(Page& out, const TitleBlock& title, int pageNumber)
{
    out.text(650, 492, 9, kShortCircuitTitle);
    out.text(2170, 492, 9, " 建物名称  " + title.building + " ", true);
    out.text(5300, 492, 8, title.date, true);
    out.text(650, 622, 8, kFrequencyLabel);
    out.text(1200, 622, 8, title.frequency);
    if (title.pageNumbers) out.text(6300, 4530, 9, "P-" + std::to_string(pageNumber));
    out.rect(kLeft, kTop, kRight, kBottom, 10);
    out.line(kLeft, kTitleLine, kRight, kTitleLine, 3);
    out.line(kLeft, kTitleBottom, kRight, kTitleBottom, 3);
}

// A small table of the head at (x, y): a heading line and lines of texts in
// columns of the given widths. Returns the y below it.
int drawSmallTable(Page& out, int x, int y, const std::vector<int>& widths, const std::vector<std::string_view>& heading,
                   const std::vector<std::vector<std::string>>& lines)
{
    int right = x;
    for (int w : widths) right += w;
    const int bottom = y + kHeadPitch * static_cast<int>(lines.size() + 1);
    out.rect(x, y, right, bottom, 2);
    int cx = x;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        if (c > 0) out.line(cx, y, cx, bottom, 1);
        out.centre(cx, cx + widths[c], y + 20, kHeadFont, std::string(heading[c]));
        for (std::size_t l = 0; l < lines.size(); ++l)
            if (c < lines[l].size()) out.text(cx + kPadding, y + 20 + kHeadPitch * static_cast<int>(l + 1), kHeadFont, lines[l][c]);
        cx += widths[c];
    }
    for (std::size_t l = 0; l <= lines.size(); ++l)
        out.line(x, y + kHeadPitch * static_cast<int>(l + 1), right, y + kHeadPitch * static_cast<int>(l + 1), 1);
    return bottom;
}

// The head of the first page from y; returns the y below it.
int drawHead(Page& out, const ShortCircuitHead& head, int y)
{
    y += 30;
    out.text(kLeft + 80, y, 8, "電源条件");
    y += kHeadPitch;
    if (head.banks.empty()) {
        out.text(kLeft + 160, y, kHeadFont, "電源（変圧器バンク）が設定されていません。");
        y += kHeadPitch;
    } else {
        y = drawSmallTable(out, kLeft + 80, y, {420, 160, 380, 420, 220, 760, 220, 680, 520}, head.bankHeading, head.banks);
    }
    y += 30;
    out.text(kLeft + 80, y, kHeadFont, head.breakingTime);
    y += kHeadPitch;
    out.text(kLeft + 80, y, 8, "計算条件");
    y += kHeadPitch;
    for (const std::string& a : head.assumptions) {
        out.text(kLeft + 80, y, kHeadFont, a);
        y += 90;
    }
    y += 20;
    y = drawSmallTable(out, kLeft + 80, y, {1000, 560, 560, 300}, head.kHeading, head.kTable);
    return y + 60;
}

// Headings of the row table from y; returns the y of the first line.
int drawTableHeadings(Page& out, int y)
{
    const std::vector<int> edges = columnEdges();
    const int groupBottom = y + 90;
    const int bottom = y + 270;
    out.line(kLeft, y, kRight, y, 3);
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
        const ShortCircuitColumn& column = kColumns[c];
        const int left = edges[c];
        const int right = edges[c + 1];
        if (c > 0) {
            // A rule inside a group starts below the group heading.
            bool insideGroup = false;
            for (std::size_t g = 0; g < c; ++g)
                if (kColumns[g].groupSpan > 0 && c < g + static_cast<std::size_t>(kColumns[g].groupSpan)) insideGroup = true;
            out.line(left, insideGroup ? groupBottom : y, left, bottom, 2);
        }
        if (column.groupSpan > 0) {
            out.centre(left, edges[c + static_cast<std::size_t>(column.groupSpan)], y + 15, kRowFont, std::string(column.group));
            out.line(left, groupBottom, edges[c + static_cast<std::size_t>(column.groupSpan)], groupBottom, 1);
        }
        const int lines = static_cast<int>(column.heading.size());
        int ty = groupBottom + (bottom - groupBottom - lines * 75) / 2;
        for (std::string_view h : column.heading) {
            out.centre(left, right, ty, kRowFont, std::string(h));
            ty += 75;
        }
    }
    out.line(kLeft, bottom, kRight, bottom, 3);
    return bottom;
}

// One row line in the band from y.
void drawRow(Page& out, const std::vector<ShortCircuitCell>& cells, int y)
{
    const std::vector<int> edges = columnEdges();
    const int textY = y + (kRowPitch - 58) / 2;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const std::string& text = cells[c].text;
        if (text.empty()) continue;
        const int left = edges[c] + kPadding;
        const int right = edges[c + 1] - kPadding;
        const int room = right - left;
        if (kColumns[c].decimals >= 0) {
            out.right(right, textY, kRowFont, text);
        } else if (textWidth(text, kRowFont) <= room) {
            out.text(left, textY, kRowFont, text);
        } else {
            // A long text goes on two lines of a smaller size, its end cut off if
            // even they do not hold it.
            const int size = 6;
            const std::size_t bytes = static_cast<std::size_t>(room * 2 * 72 / (size * kPrintUnitsPerInch));
            auto [first, rest] = splitCp932Width(text, bytes);
            auto [second, dropped] = splitCp932Width(rest, bytes);
            out.text(left, y + 22, size, first);
            out.text(left, y + 22 + 58, size, second);
        }
    }
    for (std::size_t c = 1; c < kColumns.size(); ++c) out.line(edges[c], y, edges[c], y + kRowPitch, 2);
    out.line(kLeft, y + kRowPitch, kRight, y + kRowPitch, 1);
}

}  // namespace

PrintDocument layoutShortCircuitPrint(const ShortCircuitResult& result, const Sheet& sheet,
                                      const SupplyConditions& supply, const TitleBlock& title)
{
    PrintDocument doc;
    doc.jobTitle = title.building;
    const ShortCircuitHead head = shortCircuitHead(supply);
    int pageNumber = 0;
    int y = 0;
    auto newPage = [&] {
        doc.pages.emplace_back();
        Page out(doc.pages.back());
        drawTitleBlock(out, title, ++pageNumber);
        y = kTitleBottom;
        if (pageNumber == 1) y = drawHead(out, head, y);
        y = drawTableHeadings(out, y);
    };
    newPage();
    for (const ShortCircuitRow& row : result.rows) {
        if (y + kRowPitch > kBottom) newPage();
        Page out(doc.pages.back());
        drawRow(out, shortCircuitCells(row, sheet), y);
        y += kRowPitch;
    }
    return doc;
}

// ---- workbook

namespace {

struct BookStyle {
    int size = 9;
    bool bold = false;
    bool border = false;
    bool centre = false;
    bool wrap = false;
    bool red = false;
    bool underline = false;
    int decimals = -1;
    auto key() const { return std::make_tuple(size, bold, border, centre, wrap, red, underline, decimals); }
    bool operator<(const BookStyle& o) const { return key() < o.key(); }
};

class BookFormats {
public:
    explicit BookFormats(lxw_workbook* book) : book_(book) {}
    lxw_format* get(const BookStyle& s)
    {
        auto [it, added] = cache_.try_emplace(s, nullptr);
        if (!added) return it->second;
        lxw_format* f = workbook_add_format(book_);
        format_set_font_name(f, kWorkbookFont);
        format_set_font_size(f, s.size);
        if (s.bold) format_set_bold(f);
        if (s.underline) format_set_underline(f, LXW_UNDERLINE_SINGLE);
        if (s.border) format_set_border(f, LXW_BORDER_THIN);
        if (s.centre) format_set_align(f, LXW_ALIGN_CENTER);
        format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
        if (s.wrap) format_set_text_wrap(f);
        if (s.red) format_set_font_color(f, LXW_COLOR_RED);
        if (s.decimals >= 0) {
            std::string numberFormat = "#,##0";
            if (s.decimals > 0) numberFormat += "." + std::string(static_cast<std::size_t>(s.decimals), '0');
            format_set_num_format(f, numberFormat.c_str());
        }
        return it->second = f;
    }

private:
    lxw_workbook* book_;
    std::map<BookStyle, lxw_format*> cache_;
};

std::string bookFailure(const char* what, lxw_error error) { return std::string(what) + ": " + lxw_strerror(error); }

}  // namespace

std::optional<ExportFailure> writeShortCircuitWorkbook(const std::string& path, const ShortCircuitResult& result,
                                                     const Sheet& sheet, const SupplyConditions& supply,
                                                     const TitleBlock& title)
{
    return saveWorkbook(path, [&](lxw_workbook* book) -> std::optional<ExportFailure> {
        BookFormats formats(book);
        lxw_worksheet* ws = workbook_add_worksheet(book, kShortCircuitTitle);
        if (!ws) return ExportFailure{std::string("シート「") + kShortCircuitTitle + "」を追加できません"};
        worksheet_set_paper(ws, 9);
        worksheet_set_landscape(ws);
        worksheet_fit_to_pages(ws, 1, 0);
        worksheet_center_horizontally(ws);
        worksheet_set_margins(ws, 0.4, 0.4, 0.6, 0.6);
        if (title.pageNumbers) worksheet_set_footer(ws, "&CP-&P");
        for (std::size_t c = 0; c < kColumns.size(); ++c)
            worksheet_set_column(ws, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), kColumns[c].bookWidth, nullptr);

        lxw_error error = LXW_NO_ERROR;
        auto put = [&](lxw_row_t r, lxw_col_t c, const std::string& text, const BookStyle& style) {
            if (error != LXW_NO_ERROR) return;
            if (text.empty()) {
                if (style.border) error = worksheet_write_blank(ws, r, c, formats.get(style));
                return;
            }
            error = worksheet_write_string(ws, r, c, text.c_str(), formats.get(style));
        };
        auto putTyped = [&](lxw_row_t r, lxw_col_t c, const std::string& text, BookStyle style) {
            TypedEntry typed = typedEntry(text);
            if (typed.number && error == LXW_NO_ERROR) {
                style.decimals = typed.decimals;
                error = worksheet_write_number(ws, r, c, typed.value, formats.get(style));
                return;
            }
            put(r, c, text, style);
        };

        lxw_row_t r = 0;
        put(r, 0, kShortCircuitTitle, {14, true});
        put(r, 5, "建物名称  " + title.building, {11, false, false, false, false, false, true});
        put(r, 17, title.date, {10, false, false, false, false, false, true});
        r += 1;
        put(r, 0, kFrequencyLabel + title.frequency, {});
        r += 2;

        const ShortCircuitHead head = shortCircuitHead(supply);
        put(r++, 0, "電源条件", {10, true});
        if (head.banks.empty()) {
            put(r++, 1, "電源（変圧器バンク）が設定されていません。", {});
        } else {
            for (std::size_t c = 0; c < head.bankHeading.size(); ++c)
                put(r, static_cast<lxw_col_t>(c + 1), std::string(head.bankHeading[c]), {9, false, true, true, true});
            ++r;
            for (const std::vector<std::string>& bank : head.banks) {
                for (std::size_t c = 0; c < bank.size(); ++c)
                    putTyped(r, static_cast<lxw_col_t>(c + 1), bank[c], {9, false, true});
                ++r;
            }
        }
        put(r++, 1, head.breakingTime, {});
        ++r;
        put(r++, 0, "計算条件", {10, true});
        for (const std::string& a : head.assumptions) put(r++, 1, a, {});
        ++r;
        for (std::size_t c = 0; c < head.kHeading.size(); ++c)
            put(r, static_cast<lxw_col_t>(c + 1), std::string(head.kHeading[c]), {9, false, true, true, true});
        ++r;
        for (const std::vector<std::string>& line : head.kTable) {
            for (std::size_t c = 0; c < line.size(); ++c) putTyped(r, static_cast<lxw_col_t>(c + 1), line[c], {9, false, true});
            ++r;
        }
        ++r;

        // The table's headings: the group headings above, the column headings below.
        const lxw_row_t groupRow = r;
        const BookStyle heading{9, false, true, true, true};
        for (std::size_t c = 0; c < kColumns.size(); ++c) {
            const ShortCircuitColumn& column = kColumns[c];
            std::string text;
            for (std::size_t l = 0; l < column.heading.size(); ++l) text += (l ? "\n" : "") + std::string(column.heading[l]);
            put(groupRow + 1, static_cast<lxw_col_t>(c), text, heading);
            if (column.groupSpan > 1 && error == LXW_NO_ERROR)
                error = worksheet_merge_range(ws, groupRow, static_cast<lxw_col_t>(c), groupRow,
                                              static_cast<lxw_col_t>(c + static_cast<std::size_t>(column.groupSpan) - 1),
                                              std::string(column.group).c_str(), formats.get(heading));
        }
        // A column outside every group has its heading cell over both rows.
        for (std::size_t c = 0; c < kColumns.size(); ++c) {
            bool grouped = false;
            for (std::size_t g = 0; g <= c; ++g)
                if (kColumns[g].groupSpan > 0 && c < g + static_cast<std::size_t>(kColumns[g].groupSpan)) grouped = true;
            if (!grouped && error == LXW_NO_ERROR) {
                std::string text;
                for (std::size_t l = 0; l < kColumns[c].heading.size(); ++l)
                    text += (l ? "\n" : "") + std::string(kColumns[c].heading[l]);
                error = worksheet_merge_range(ws, groupRow, static_cast<lxw_col_t>(c), groupRow + 1,
                                              static_cast<lxw_col_t>(c), text.c_str(), formats.get(heading));
            }
        }
        worksheet_set_row(ws, groupRow + 1, 27, nullptr);
        worksheet_repeat_rows(ws, groupRow, groupRow + 1);
        r = groupRow + 2;

        for (const ShortCircuitRow& row : result.rows) {
            const std::vector<ShortCircuitCell> cells = shortCircuitCells(row, sheet);
            for (std::size_t c = 0; c < cells.size(); ++c) {
                const ShortCircuitCell& cell = cells[c];
                BookStyle style{9, false, true};
                style.red = cell.failed;
                if (cell.number && kColumns[c].decimals >= 0) {
                    // Whole values without decimals, as the print shows them.
                    style.decimals = cell.text.find('.') == std::string::npos ? 0 : kColumns[c].decimals;
                    if (error == LXW_NO_ERROR)
                        error = worksheet_write_number(ws, r, static_cast<lxw_col_t>(c), *cell.number, formats.get(style));
                } else {
                    putTyped(r, static_cast<lxw_col_t>(c), cell.text, style);
                }
            }
            ++r;
        }
        if (error != LXW_NO_ERROR) return ExportFailure{bookFailure("シートを書けません", error)};
        return std::nullopt;
    });
}

}  // namespace tolvane
