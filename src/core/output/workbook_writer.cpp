#include "output/workbook_writer.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <sys/resource.h>
#include <xlsxwriter.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cmath>
#include <map>
#include <optional>
#include <string_view>
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
}

// Writes a cell's text (a number where the text is one) or, without text,
// its format alone. Returns false when there is nothing to write: no text
// and the default format.
bool writeCell(lxw_worksheet* ws, lxw_row_t row, lxw_col_t column, const std::string& text, const CellFormat& f,
               Formats& formats, lxw_error& e)
{
    if (text.empty()) {
        lxw_format* x = formats.get(f);
        if (!x) return false;
        e = worksheet_write_blank(ws, row, column, x);
    } else if (TypedEntry t = typedEntry(text); t.number) {
        std::string numberFormat;
        if (t.grouped)
            numberFormat =
                t.decimals > 0 ? "#,##0." + std::string(static_cast<std::size_t>(t.decimals), '0') : "#,##0";
        e = worksheet_write_number(ws, row, column, t.value, formats.get(f, numberFormat));
    } else {
        e = worksheet_write_string(ws, row, column, text.c_str(), formats.get(f));
    }
    return true;
}

// Writes the page in row order, as a constant-memory worksheet takes it: the
// library keeps only the current row and writes it out when the next one
// starts. So each row gets its height first; then the merges that end on it
// are recorded (the library fills their cells of this row, and its writes
// into rows already written are dropped); then every cell of the row is
// written as it must end up. A cell inside a merge shows the merge's first
// format unless it has one of its own (a different edge) or text; the text
// of a merge stands in its first cell. In a workbook held in memory the
// merges are recorded before any cell, and the cells written after them
// decide in the same way.
lxw_error writeCells(lxw_worksheet* ws, const WorksheetTemplate& page, Formats& formats, bool rowByRow)
{
    auto at = [](int r, int c) { return static_cast<std::size_t>((r - 1) * kTemplateColumns + (c - 1)); };
    auto mergeRange = [&](const CellRange& m) {
        return worksheet_merge_range(ws, static_cast<lxw_row_t>(m.firstRow - 1),
                                     static_cast<lxw_col_t>(m.firstColumn - 1), static_cast<lxw_row_t>(m.lastRow - 1),
                                     static_cast<lxw_col_t>(m.lastColumn - 1), "",
                                     formats.get(page.format(m.firstRow, m.firstColumn)));
    };
    // The merge covering each cell, for the cells after a merge's first one.
    std::array<const CellRange*, kTemplateRows * kTemplateColumns> inside{};
    for (const CellRange& m : page.merges()) {
        for (int r = m.firstRow; r <= m.lastRow; ++r)
            for (int c = m.firstColumn; c <= m.lastColumn; ++c)
                if (r != m.firstRow || c != m.firstColumn) inside[at(r, c)] = &m;
        if (!rowByRow)
            if (lxw_error e = mergeRange(m); e != LXW_NO_ERROR) return e;
    }
    // The library leaves out a height equal to its default of 15 points, and
    // such a row would then grow or shrink with its text; a hair above it is
    // stored and shows as 15.
    const auto& heights = templateRowHeights();
    for (int r = 1; r <= kTemplateRows; ++r) {
        const auto row = static_cast<lxw_row_t>(r - 1);
        const double height = heights[row];
        if (lxw_error e = worksheet_set_row(ws, row, height == LXW_DEF_ROW_HEIGHT ? height + 0.0001 : height, nullptr);
            e != LXW_NO_ERROR)
            return e;
        if (rowByRow)
            for (const CellRange& m : page.merges())
                if (m.lastRow == r)
                    if (lxw_error e = mergeRange(m); e != LXW_NO_ERROR) return e;
        for (int c = 1; c <= kTemplateColumns; ++c) {
            const auto column = static_cast<lxw_col_t>(c - 1);
            const CellRange* m = inside[at(r, c)];
            const CellFormat& f = page.format(r, c);
            lxw_error e = LXW_NO_ERROR;
            const bool ownFormat = !m || !(f == page.format(m->firstRow, m->firstColumn));
            if (!(ownFormat && writeCell(ws, row, column, page.text(r, c), f, formats, e)) && m)
                if (lxw_format* x = formats.get(page.format(m->firstRow, m->firstColumn)))
                    e = worksheet_write_blank(ws, row, column, x);
            if (e != LXW_NO_ERROR) return e;
        }
    }
    return LXW_NO_ERROR;
}

// A constant-memory worksheet keeps a temporary file open until the workbook
// is closed, so a workbook of thousands of worksheets needs as many files
// open at once. Raises the process's limit of open files for the export as
// far as needed and allowed, and puts it back afterwards.
class OpenFileRoom {
public:
    explicit OpenFileRoom(std::size_t files)
    {
        // Room for the program's own files and the library's while it packs.
        const rlim_t wanted = static_cast<rlim_t>(files) + 256;
        if (getrlimit(RLIMIT_NOFILE, &saved_) != 0) return;
        if (saved_.rlim_cur == RLIM_INFINITY || saved_.rlim_cur >= wanted) {
            enough_ = true;
            return;
        }
        if (saved_.rlim_max != RLIM_INFINITY && saved_.rlim_max < wanted) return;
        rlimit raised = saved_;
        raised.rlim_cur = wanted;
        raised_ = enough_ = setrlimit(RLIMIT_NOFILE, &raised) == 0;
    }
    ~OpenFileRoom()
    {
        if (raised_) setrlimit(RLIMIT_NOFILE, &saved_);
    }
    OpenFileRoom(const OpenFileRoom&) = delete;
    OpenFileRoom& operator=(const OpenFileRoom&) = delete;
    bool enough() const { return enough_; }

private:
    rlimit saved_{};
    bool raised_ = false;
    bool enough_ = false;
};

// The most worksheets a workbook held in memory has:
// TOLVANE_WORKBOOK_IN_MEMORY_SHEETS when set to a whole number, else 1,500
// (about 225 MB).
std::size_t inMemoryWorksheets()
{
    std::size_t most = 1500;
    if (const char* set = std::getenv("TOLVANE_WORKBOOK_IN_MEMORY_SHEETS")) {
        const std::string_view text(set);
        std::size_t value = 0;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error == std::errc() && end == text.data() + text.size() && !text.empty()) most = value;
    }
    return most;
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

std::optional<ExportFailure> saveWorkbook(const std::string& path, const WorkbookFiller& fill, std::size_t worksheets)
{
    // Written into a file of its own beside the target (through any links to
    // it) that takes the target's place only when complete, so a failed
    // export never destroys an earlier workbook and a link stays a link. The
    // library opens its output by name: it gets a name of that very file.
    ReplacementFile file;
    if (auto reason = file.create(path, ReplacementFile::Writer::ByName)) return ExportFailure{*reason, true};
    // A workbook of up to some hundreds of worksheets is held in memory until
    // it is packed, about 150 KB a worksheet. A larger one is written in
    // constant memory: each worksheet's rows go to a temporary file as they
    // are made, which takes longer but keeps the largest sheet's thousands of
    // worksheets within a few hundred MB. Where the system cannot open a file
    // for each worksheet at once, the workbook is held in memory after all.
    const bool bounded = worksheets > inMemoryWorksheets();
    std::optional<OpenFileRoom> room;
    if (bounded) room.emplace(worksheets);
    lxw_workbook_options options{};
    options.constant_memory = bounded && room->enough() ? LXW_TRUE : LXW_FALSE;
#ifdef __GLIBC__
    // Such a worksheet also keeps a zeroed table of 128 KB for the cells of
    // its current row, of which it uses a few entries. Taken from fresh pages
    // it costs nothing until used; glibc takes it from the heap and clears it
    // whole once its threshold for fresh pages has risen above that size, as
    // it does after the first large block is freed. Holding the threshold at
    // its default keeps such tables on fresh pages.
    if (options.constant_memory) mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    lxw_workbook* book = workbook_new_opt(file.openName().c_str(), &options);
    if (!book) return ExportFailure{"ブックを作成できません（" + path + "）", true};

    std::optional<ExportFailure> error = fill(book);
    // The library reports a failed write only as its own kind of error; the
    // system's error number says why.
    errno = 0;
    lxw_error closed = workbook_close(book);
    const int closeError = errno;
    if (error) return error;
    if (closed != LXW_NO_ERROR) {
        if (closeError != 0) return ExportFailure{file.failure(closeError), true};
        return ExportFailure{failure(("ブックを保存できません（" + path + "）").c_str(), closed), true};
    }
    if (auto reason = file.commit()) return ExportFailure{*reason, true};
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
        const bool inOrder = book->options.constant_memory;
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
            if (lxw_error e = writeCells(ws, page, formats, inOrder); e != LXW_NO_ERROR)
                return ExportFailure{failure("シートを書けません", e)};
            advance();
        }
        return std::nullopt;
    }, plan.worksheets.size());
}

}  // namespace tolvane
