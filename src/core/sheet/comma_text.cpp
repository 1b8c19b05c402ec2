#include "sheet/comma_text.h"

#include <algorithm>
#include <array>

namespace tolvane {

namespace {

// What a byte means in comma text. Blanks and control characters (NUL too)
// separate fields like commas do unless the field is quoted; with the comma
// they end an unquoted field; a cell holding any of them or a double quote
// is written in quotes. One table, looked up per byte: the loaders meet
// every byte of a file here.
enum : unsigned char { kBlank = 1, kFieldEnd = 2, kQuoteTrigger = 4 };

constexpr std::array<unsigned char, 256> kByteKinds = [] {
    std::array<unsigned char, 256> kinds{};
    for (int c = 0; c <= ' '; ++c) kinds[static_cast<std::size_t>(c)] = kBlank | kFieldEnd | kQuoteTrigger;
    kinds[','] = kFieldEnd | kQuoteTrigger;
    kinds['"'] = kQuoteTrigger;
    return kinds;
}();

bool is(char c, unsigned char kind) { return (kByteKinds[static_cast<unsigned char>(c)] & kind) != 0; }

bool needsQuotes(std::string_view cell)
{
    return std::any_of(cell.begin(), cell.end(), [](char c) { return is(c, kQuoteTrigger); });
}

}  // namespace

std::string encodeCommaText(const SheetRow& row)
{
    std::string line;
    for (int c = 0; c < kSheetColumns; ++c) {
        if (c > 0) line += ',';
        const std::string& cell = row[static_cast<std::size_t>(c)];
        if (!needsQuotes(cell)) {
            line += cell;
            continue;
        }
        line += '"';
        for (std::size_t from = 0;;) {
            const std::size_t quote = cell.find('"', from);
            if (quote == std::string::npos) {
                line.append(cell, from);
                break;
            }
            line.append(cell, from, quote + 1 - from);
            line += '"';  // a quote inside is doubled
            from = quote + 1;
        }
        line += '"';
    }
    return line;
}

SheetRow decodeCommaText(std::string_view line)
{
    SheetRow row;
    std::string dropped;  // a field beyond the last column
    int column = 0;
    auto nextField = [&]() -> std::string& {
        std::string& field = column < kSheetColumns ? row[static_cast<std::size_t>(column)] : dropped;
        ++column;
        field.clear();
        return field;
    };

    const char* p = line.data();
    const char* const end = p + line.size();
    auto skipBlanks = [&] {
        while (p != end && is(*p, kBlank)) ++p;
    };

    skipBlanks();
    while (p != end) {
        std::string& field = nextField();
        if (*p == '"') {
            // Quoted: runs to the matching closing quote, "" stands for one
            // quote; an unclosed quote takes the rest of the line.
            ++p;
            for (;;) {
                const char* quote = std::find(p, end, '"');
                field.append(p, quote);
                if (quote == end) {
                    p = end;
                    break;
                }
                p = quote + 1;
                if (p == end || *p != '"') break;
                field += '"';
                ++p;
            }
        } else {
            const char* start = p;
            while (p != end && !is(*p, kFieldEnd)) ++p;
            field.assign(start, p);
        }
        if (field.empty()) field = " ";
        skipBlanks();
        if (p != end && *p == ',') {
            // A comma at the very end of the line leaves one more, empty field.
            if (p + 1 == end) nextField() = " ";
            ++p;
            skipBlanks();
        }
    }
    return row;
}

}  // namespace tolvane
