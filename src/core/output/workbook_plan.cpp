#include "output/workbook_plan.h"

#include <algorithm>
#include <map>

#include "sheet/feeders.h"
#include "text/numbers.h"

namespace tolvane {

namespace {

constexpr const char* kSheetTitle = "電路計算書";
constexpr int kLastItemRow = kFirstItemRow + 2 * (kRowsPerPage - 1);

std::size_t characterCount(const std::string& s)
{
    return static_cast<std::size_t>(
        std::count_if(s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The first `count` characters of a UTF-8 text.
std::string firstCharacters(const std::string& s, std::size_t count)
{
    std::size_t pos = 0;
    for (std::size_t n = 0; n < count && pos < s.size(); ++n) {
        ++pos;
        while (pos < s.size() && (static_cast<unsigned char>(s[pos]) & 0xC0) == 0x80) ++pos;
    }
    return s.substr(0, pos);
}

bool sameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

}  // namespace

std::string validSheetName(const SheetTitle& title)
{
    std::string name = title.text;
    for (char& c : name)
        if (c == ':' || c == '\\' || c == '/' || c == '?' || c == '*' || c == '[' || c == ']') c = '_';
    const std::size_t room = kMaxSheetNameLength - std::min(kMaxSheetNameLength, characterCount(title.suffix));
    if (characterCount(name) > room) name = firstCharacters(name, room);
    name += title.suffix;
    if (!name.empty() && name.front() == '\'') name.front() = '_';
    if (!name.empty() && name.back() == '\'') name.back() = '_';
    return name;
}

std::vector<std::string> uniqueSheetNames(std::vector<SheetTitle> titles)
{
    std::vector<std::string> names;
    names.reserve(titles.size());
    int counter = 0;
    for (SheetTitle& title : titles) {
        // One pass compares with every earlier name in order, as the title
        // lengthens; further passes only run when a lengthened title met an
        // earlier name it had already passed.
        std::string name = validSheetName(title);
        bool clash = true;
        while (clash) {
            for (const std::string& earlier : names)
                if (sameName(name, earlier)) {
                    title.suffix += "(" + std::to_string(++counter) + ")";
                    name = validSheetName(title);
                }
            clash = std::any_of(names.begin(), names.end(), [&](const std::string& n) { return sameName(n, name); });
        }
        names.push_back(std::move(name));
    }
    return names;
}

WorkbookPlan planPerItem(const Sheet& sheet)
{
    struct Feeder {
        int head = 0;
        int rows = 0;
        int pages = 1;
    };
    WorkbookPlan plan;
    const int last = documentLastRow(sheet);
    std::map<int, Feeder> feeders;
    int lastNumber = 0;
    const FeederEnds ends(sheet);
    for (int r = 0; r < sheet.rowCount(); ++r) {
        if (!hasValue(sheet.cell(col::No, r))) continue;
        int f = parseWhole(sheet.cell(col::No, r));
        lastNumber = f;
        Feeder& feeder = feeders[f];
        feeder.head = r;
        // The feeder's rows, not its stored count, which must only be a number.
        if (hasValue(sheet.cell(col::RowTotal, r))) {
            parseWhole(sheet.cell(col::RowTotal, r));
            feeder.rows = ends.rowsFrom(r, sheet.cell(col::No, r));
        }
        feeder.pages = std::max(1, (feeder.rows + kRowsPerPage - 1) / kRowsPerPage);
    }
    plan.feeders = lastNumber;

    const std::string firstName = std::string(kSheetTitle) + " ";
    if (last + 1 <= kRowsPerPage) {
        plan.variant = ItemVariant::Small;
        WorksheetPlan page{firstName, {}};
        for (int r = 0; r <= last; ++r) page.lines.push_back({r, kFirstItemRow + 2 * r});
        plan.worksheets.push_back(std::move(page));
        return plan;
    }

    plan.variant = ItemVariant::Large;
    std::vector<SheetTitle> titles;
    for (auto it = feeders.lower_bound(1); it != feeders.end() && it->first <= lastNumber; ++it) {
        const Feeder& feeder = it->second;
        int r = feeder.head;
        const int end = feeder.head + feeder.rows - 1;
        for (int i = 1; i <= feeder.pages; ++i) {
            // The page number stays whole; a long feeder name is cut instead.
            titles.push_back({firstName + sheet.cell(col::Name, feeder.head),
                              feeder.pages > 1 ? " (" + std::to_string(i) + ")" : ""});
            WorksheetPlan page;
            for (int x = kFirstItemRow; x <= kLastItemRow && r <= end; x += 2, ++r) page.lines.push_back({r, x});
            plan.worksheets.push_back(std::move(page));
        }
    }
    std::vector<std::string> names = uniqueSheetNames(std::move(titles));
    for (std::size_t k = 0; k < names.size(); ++k) plan.worksheets[k].name = std::move(names[k]);
    if (plan.worksheets.empty()) plan.worksheets.push_back({firstName, {}});
    return plan;
}

WorkbookPlan planRows18(const Sheet& sheet, std::int32_t maxrowsu, std::int32_t pagesu)
{
    WorkbookPlan plan;
    plan.variant = ItemVariant::Rows18;
    const int pages = std::max(1, pagesu);
    for (int k = 1; k <= pages; ++k)
        plan.worksheets.push_back({pages == 1 ? kSheetTitle : std::string(kSheetTitle) + "(" + std::to_string(k) + ")", {}});
    // Rows past the end of the sheet are empty and hold no line number.
    const int last = std::min<std::int64_t>(maxrowsu, sheet.rowCount() - 1);
    std::size_t w = 0;
    int x = kFirstItemRow;
    for (int r = 0; r <= last; ++r) {
        if (sheet.cell(col::LineNo, r) == "1" && r > 0) {
            ++w;
            x = kFirstItemRow;
        }
        if (w >= plan.worksheets.size()) break;
        if (x <= kLastItemRow) plan.worksheets[w].lines.push_back({r, x});
        x += 2;
    }
    return plan;
}

}  // namespace tolvane
