#include "output/workbook_writer.h"

#include <xlsxwriter.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <map>
#include <system_error>
#include <tuple>

#include "sheet/file_store.h"
#include "text/numbers.h"

namespace tolvane {

namespace {

std::string trimmed(const std::string& text)
{
    std::size_t b = text.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return text.substr(b, text.find_last_not_of(' ') - b + 1);
}

struct FormatKey {
    CellFormat format;
    std::string numberFormat;
    bool operator<(const FormatKey& o) const
    {
        auto tie = [](const FormatKey& k) {
            const CellFormat& f = k.format;
            return std::make_tuple(f.font, f.size, f.underline, f.horizontal, f.vcenter, f.shrink, f.wrap, f.top,
                                   f.bottom, f.left, f.right, std::cref(k.numberFormat));
        };
        return tie(*this) < tie(o);
    }
};

std::uint8_t borderStyle(Border b)
{
    switch (b) {
    case Border::Hair: return LXW_BORDER_HAIR;
    case Border::Thin: return LXW_BORDER_THIN;
    case Border::Medium: return LXW_BORDER_MEDIUM;
    case Border::None: break;
    }
    return LXW_BORDER_NONE;
}

class Formats {
public:
    explicit Formats(lxw_workbook* book) : book_(book) {}

    lxw_format* get(const CellFormat& f, const std::string& numberFormat = {})
    {
        if (f == CellFormat{} && numberFormat.empty()) return nullptr;
        auto [it, added] = cache_.try_emplace(FormatKey{f, numberFormat}, nullptr);
        if (added) it->second = create(f, numberFormat);
        return it->second;
    }

private:
    lxw_format* create(const CellFormat& f, const std::string& numberFormat)
    {
        lxw_format* x = workbook_add_format(book_);
        if (f.font) format_set_font_name(x, kWorkbookFont);
        if (f.size > 0) format_set_font_size(x, f.size);
        if (f.underline) format_set_underline(x, LXW_UNDERLINE_SINGLE);
        switch (f.horizontal) {
        case HAlign::Center: format_set_align(x, LXW_ALIGN_CENTER); break;
        case HAlign::Right: format_set_align(x, LXW_ALIGN_RIGHT); break;
        // A justified one-line text sits flush left; the spreadsheet ignores
        // shrink-to-fit on justified cells, so a cell that must shrink is
        // left-aligned instead, which looks the same.
        case HAlign::Justify: format_set_align(x, f.shrink && !f.wrap ? LXW_ALIGN_LEFT : LXW_ALIGN_JUSTIFY); break;
        case HAlign::General: break;
        }
        if (f.vcenter) format_set_align(x, LXW_ALIGN_VERTICAL_CENTER);
        // Wrapping shows the lines of a two-line text; it excludes shrinking.
        if (f.wrap)
            format_set_text_wrap(x);
        else if (f.shrink)
            format_set_shrink(x);
        if (f.top != Border::None) format_set_top(x, borderStyle(f.top));
        if (f.bottom != Border::None) format_set_bottom(x, borderStyle(f.bottom));
        if (f.left != Border::None) format_set_left(x, borderStyle(f.left));
        if (f.right != Border::None) format_set_right(x, borderStyle(f.right));
        if (!numberFormat.empty()) format_set_num_format(x, numberFormat.c_str());
        return x;
    }

    lxw_workbook* book_;
    std::map<FormatKey, lxw_format*> cache_;
};

std::string failure(const char* what, lxw_error error)
{
    return std::string(what) + ": " + lxw_strerror(error);
}

void setUpPage(lxw_worksheet* ws)
{
    worksheet_set_header(ws, "&L&A");
    worksheet_set_start_page(ws, 1);
    worksheet_set_paper(ws, 9);
    worksheet_set_landscape(ws);
    worksheet_fit_to_pages(ws, 1, 1);
    worksheet_set_print_scale(ws, 67);  // set last: the zoom governs the scaling
    worksheet_center_horizontally(ws);
    worksheet_center_vertically(ws);
    static lxw_col_t columnBreaks[] = {19, 0};  // before column T
    static lxw_row_t rowBreaks[] = {51, 0};     // before row 52
    worksheet_set_v_pagebreaks(ws, columnBreaks);
    worksheet_set_h_pagebreaks(ws, rowBreaks);
    const auto& widths = templateColumnWidths();
    for (lxw_col_t c = 0; c < widths.size(); ++c) worksheet_set_column(ws, c, c, widths[c], nullptr);
    // The library leaves out a height equal to its default of 15 points, and
    // such a row would then grow or shrink with its text; a hair above it is
    // stored and shows as 15.
    const auto& heights = templateRowHeights();
    for (lxw_row_t r = 0; r < heights.size(); ++r)
        worksheet_set_row(ws, r, heights[r] == LXW_DEF_ROW_HEIGHT ? heights[r] + 0.0001 : heights[r], nullptr);
}

lxw_error writeCells(lxw_worksheet* ws, const WorksheetTemplate& page, Formats& formats)
{
    auto at = [](int r, int c) { return static_cast<std::size_t>((r - 1) * kTemplateColumns + (c - 1)); };
    // A merge writes its first cell's text (unless that is a number) and fills
    // its other cells with the first cell's format; only the cells that need
    // something else are written again below.
    std::array<bool, kTemplateRows * kTemplateColumns> written{};
    for (const CellRange& m : page.merges()) {
        const CellFormat& first = page.format(m.firstRow, m.firstColumn);
        const std::string& text = page.text(m.firstRow, m.firstColumn);
        const bool textCell = !text.empty() && !typedEntry(text).number;
        lxw_error e = worksheet_merge_range(ws, static_cast<lxw_row_t>(m.firstRow - 1),
                                            static_cast<lxw_col_t>(m.firstColumn - 1),
                                            static_cast<lxw_row_t>(m.lastRow - 1),
                                            static_cast<lxw_col_t>(m.lastColumn - 1), textCell ? text.c_str() : "",
                                            formats.get(first));
        if (e != LXW_NO_ERROR) return e;
        for (int r = m.firstRow; r <= m.lastRow; ++r)
            for (int c = m.firstColumn; c <= m.lastColumn; ++c)
                if (page.format(r, c) == first) written[at(r, c)] = r != m.firstRow || c != m.firstColumn || textCell;
    }
    for (int r = 1; r <= kTemplateRows; ++r)
        for (int c = 1; c <= kTemplateColumns; ++c) {
            if (written[at(r, c)]) continue;
            const std::string& text = page.text(r, c);
            const CellFormat& f = page.format(r, c);
            const auto row = static_cast<lxw_row_t>(r - 1);
            const auto column = static_cast<lxw_col_t>(c - 1);
            lxw_error e = LXW_NO_ERROR;
            if (text.empty()) {
                if (lxw_format* x = formats.get(f)) e = worksheet_write_blank(ws, row, column, x);
            } else if (TypedEntry t = typedEntry(text); t.number) {
                std::string numberFormat;
                if (t.grouped)
                    numberFormat = t.decimals > 0 ? "#,##0." + std::string(static_cast<std::size_t>(t.decimals), '0')
                                                  : "#,##0";
                e = worksheet_write_number(ws, row, column, t.value, formats.get(f, numberFormat));
            } else {
                e = worksheet_write_string(ws, row, column, text.c_str(), formats.get(f));
            }
            if (e != LXW_NO_ERROR) return e;
        }
    return LXW_NO_ERROR;
}

}  // namespace

TypedEntry typedEntry(const std::string& text)
{
    TypedEntry entry;
    std::string s = trimmed(text);
    if (s.empty()) return entry;
    std::optional<GroupedNumber> number = tryParseGrouped(s);
    if (!number || !std::isfinite(number->value)) return TypedEntry{};
    entry.number = true;
    entry.value = number->value;
    entry.grouped = number->grouped;
    entry.decimals = number->decimals;
    return entry;
}

std::optional<ExportFailure> saveWorkbook(const std::string& path, const WorkbookFiller& fill)
{
    // Written beside the target (through any links to it) and renamed over it
    // only when complete, so a failed export never destroys an earlier
    // workbook and a link stays a link.
    std::string target;
    if (auto reason = resolveSaveTarget(path, target)) return ExportFailure{*reason, true};
    const std::string partial = target + ".part";
    lxw_workbook* book = workbook_new(partial.c_str());
    if (!book) return ExportFailure{"ブックを作成できません: " + path, true};

    std::optional<ExportFailure> error = fill(book);
    lxw_error closed = workbook_close(book);
    std::error_code ignored;
    if (!error && closed != LXW_NO_ERROR)
        error = ExportFailure{failure(("ブックを保存できません: " + path).c_str(), closed), true};
    if (error) {
        std::filesystem::remove(partial, ignored);
        return error;
    }
    std::error_code renamed;
    std::filesystem::rename(partial, target, renamed);
    if (renamed) {
        std::filesystem::remove(partial, ignored);
        return ExportFailure{"ブックを保存できません: " + path + ": " + renamed.message(), true};
    }
    return std::nullopt;
}

std::optional<ExportFailure> writeWorkbook(const std::string& path, const WorkbookPlan& plan, const Sheet& sheet,
                                         const TitleBlock& title, const ExportProgress& progress)
{
    const int maximum = 13 + plan.feeders + static_cast<int>(plan.worksheets.size());
    int position = 0;
    auto advance = [&] {
        if (progress) progress(++position, maximum);
    };
    if (progress) progress(0, maximum);
    position += plan.feeders;  // the title list
    advance();

    return saveWorkbook(path, [&](lxw_workbook* book) -> std::optional<ExportFailure> {
        Formats formats(book);
        const WorksheetTemplate templatePage = buildTemplate(title, advance);
        for (const WorksheetPlan& planned : plan.worksheets) {
            if (lxw_error e = workbook_validate_sheet_name(book, planned.name.c_str()); e != LXW_NO_ERROR)
                return ExportFailure{failure(("シート名「" + planned.name + "」が使えません").c_str(), e)};
            lxw_worksheet* ws = workbook_add_worksheet(book, planned.name.c_str());
            if (!ws) return ExportFailure{"シート「" + planned.name + "」を追加できません"};
            setUpPage(ws);
            WorksheetTemplate page = templatePage;
            for (const ItemLine& line : planned.lines)
                fillItemLine(page, sheet, line.sheetRow, line.worksheetRow, plan.variant);
            if (lxw_error e = writeCells(ws, page, formats); e != LXW_NO_ERROR)
                return ExportFailure{failure("シートを書けません", e)};
            advance();
        }
        return std::nullopt;
    });
}

}  // namespace tolvane
