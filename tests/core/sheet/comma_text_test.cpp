#include <gtest/gtest.h>

#include "sheet/comma_text.h"

using namespace tolvane;

namespace {
SheetRow rowOf(std::initializer_list<std::pair<int, std::string>> cells)
{
    SheetRow row;
    for (const auto& [c, text] : cells) row[static_cast<std::size_t>(c)] = text;
    return row;
}
}  // namespace

TEST(CommaText, QuotesOnlyCellsWithBlanksControlsCommasOrQuotes)
{
    struct Case {
        std::string cell, written;
    } cases[] = {
        {"CV-T38゜", "CV-T38゜"},
        {"CV 22゜", "\"CV 22゜\""},
        {"a,b", "\"a,b\""},
        {"L \"A\"", "\"L \"\"A\"\"\""},
        {"\"", "\"\"\"\""},
        {" ", "\" \""},
        {"a\tb", "\"a\tb\""},
        {"全角　空白", "全角　空白"},  // the full-width space needs no quotes
        {"│　", "│　"},
    };
    for (const auto& c : cases) {
        std::string line = encodeCommaText(rowOf({{1, c.cell}}));
        EXPECT_EQ(line, "," + c.written + std::string(33, ',')) << c.cell;
        EXPECT_EQ(decodeCommaText(line)[1], c.cell) << c.cell;
    }
    EXPECT_EQ(encodeCommaText(SheetRow{}), std::string(34, ','));
}

TEST(CommaText, ReadsFieldsAsTheGridDoes)
{
    struct Case {
        std::string line;
        std::vector<std::string> first;  // expected columns 0..size-1
    } cases[] = {
        // an empty field is held as a single blank until the loader's clean-up
        {"a,,b", {"a", " ", "b"}},
        {",x", {" ", "x"}},
        {"a,", {"a", " "}},
        // blanks and control characters before a field are skipped
        {"  a,\t b", {"a", "b"}},
        // an unquoted blank ends the field and starts the next one
        {"CV 22,x", {"CV", "22", "x"}},
        // quoted: doubled quotes, commas and blanks inside
        {"\"a \"\"b\"\", c\",d", {"a \"b\", c", "d"}},
        // an unclosed quote runs to the end of the line
        {"\"abc,def", {"abc,def", ""}},
        // text right after a closing quote is a field of its own
        {"\"ab\"cd,e", {"ab", "cd", "e"}},
    };
    for (const auto& c : cases) {
        SheetRow row = decodeCommaText(c.line);
        for (std::size_t i = 0; i < c.first.size(); ++i) EXPECT_EQ(row[i], c.first[i]) << c.line << " col " << i;
    }
}

TEST(CommaText, FieldsBeyondTheLastColumnAreDropped)
{
    std::string line;
    for (int i = 0; i < 40; ++i) line += std::to_string(i) + ",";
    SheetRow row = decodeCommaText(line);
    EXPECT_EQ(row[0], "0");
    EXPECT_EQ(row[34], "34");
    SheetRow empty = decodeCommaText("");
    for (const auto& cell : empty) EXPECT_EQ(cell, "");
}
