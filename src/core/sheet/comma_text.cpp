#include "sheet/comma_text.h"

namespace tolvane {

namespace {

// Blanks and control characters separate fields like commas do unless
// the field is quoted. NUL is treated like the other control characters.
bool isBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool needsQuotes(std::string_view cell)
{
    for (char c : cell)
        if (isBlankOrControl(c) || c == ',' || c == '"') return true;
    return false;
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
        for (char ch : cell) {
            if (ch == '"') line += '"';
            line += ch;
        }
        line += '"';
    }
    return line;
}

SheetRow decodeCommaText(std::string_view line)
{
    SheetRow row;
    int column = 0;
    auto add = [&](std::string field) {
        if (column < kSheetColumns) row[static_cast<std::size_t>(column)] = field.empty() ? " " : std::move(field);
        ++column;
    };

    std::size_t p = 0;
    const std::size_t end = line.size();
    auto skipBlanks = [&] {
        while (p < end && isBlankOrControl(line[p])) ++p;
    };

    skipBlanks();
    while (p < end) {
        std::string field;
        if (line[p] == '"') {
            // Quoted: runs to the matching closing quote, "" stands for one
            // quote; an unclosed quote takes the rest of the line.
            ++p;
            while (p < end) {
                if (line[p] == '"') {
                    if (p + 1 < end && line[p + 1] == '"') {
                        field += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                field += line[p++];
            }
        } else {
            std::size_t start = p;
            while (p < end && !isBlankOrControl(line[p]) && line[p] != ',') ++p;
            field.assign(line.substr(start, p - start));
        }
        add(std::move(field));
        skipBlanks();
        if (p < end && line[p] == ',') {
            // A comma at the very end of the line leaves one more, empty field.
            if (p + 1 == end) add({});
            ++p;
            skipBlanks();
        }
    }
    return row;
}

}  // namespace tolvane
