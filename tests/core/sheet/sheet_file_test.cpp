#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "sheet/settings_file.h"
#include "sheet/sheet_file.h"
#include "sheet/tree_marks.h"
#include "text/cp932.h"

using namespace tolvane;

namespace {
const SheetFileCarriers kCarriers{"令和", "3", "5", "平成"};
const SheetFileTitle kTitle{"60", "8", "12", "9", "本社ビル", "令和"};

std::string fixture(const std::string& name)
{
    std::ifstream in(std::string(TOLVANE_TEST_DATA) + "/sheet_file/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
}  // namespace

TEST(SheetFile, EmptySheetWritesTwentyRowsOneCarrierRowAndTheTitle)
{
    Sheet sheet;
    std::string bytes = writeSheetFile(sheet, kCarriers, kTitle);
    std::string expected = "20\r\n0\r\n" + std::string(30, ',') + "令和,,,,3\r\n60\r\n8\r\n12\r\n9\r\n本社ビル\r\n令和\r\n";
    EXPECT_EQ(bytes, encodeCp932(expected));
    EXPECT_EQ(sheet.rowCount(), 20);
    // (30,0) and (34,0) are cleared again; rows 1 and 2 keep theirs
    EXPECT_EQ(sheet.cell(col::Pages, 0), "");
    EXPECT_EQ(sheet.cell(col::Carrier, 0), "");
    EXPECT_EQ(sheet.cell(col::Carrier, 1), "5");
    EXPECT_EQ(sheet.cell(col::Carrier, 2), "平成");
}

TEST(SheetFile, TreeMarksAreStoredWithQuestionMarksAndRepairedOnReading)
{
    const std::string_view marks[] = {mark::Single, mark::Head,    mark::Point,  mark::Point2, mark::Segment,
                                      mark::Segment1, mark::Branch, mark::Branch1, mark::Last, mark::Last1};
    Sheet sheet;
    int r = 0;
    for (auto m : marks) sheet.setCell(col::Mark, r++, std::string(m));
    sheet.setCell(col::Mark, r, "A?");                 // not a stored mark: stays
    sheet.setCell(col::LoadName, r, "├─▶");            // outside column 5: stays "?"
    std::string bytes = writeSheetFile(sheet, kCarriers, kTitle);
    EXPECT_NE(bytes.find(encodeCp932("\n,,,,,├─?,")), std::string::npos);

    SheetFileContent content;
    ASSERT_EQ(readSheetFile(bytes, content), std::nullopt);
    r = 0;
    for (auto m : marks) EXPECT_EQ(content.sheet.cell(col::Mark, r++), m);
    EXPECT_EQ(content.sheet.cell(col::Mark, r), "A?");
    EXPECT_EQ(content.sheet.cell(col::LoadName, r), "├─?");
    EXPECT_EQ(content.title.building, "本社ビル");
}

TEST(SheetFile, RowCountIsAtLeast108AndNeverDropsStoredRows)
{
    struct Case {
        int declared, last, expected;
    } cases[] = {{20, 0, 108}, {108, 5, 108}, {109, 5, 109}, {300, 5, 300}, {0, 3, 108}, {110, 119, 120}};
    for (const auto& c : cases) {
        std::string text = std::to_string(c.declared) + "\r\n" + std::to_string(c.last) + "\r\n";
        for (int r = 0; r <= c.last; ++r) text += ",,,,,──?\r\n";
        text += "60\r\n1\r\n1\r\n1\r\nb\r\n令和\r\n";
        SheetFileContent content;
        ASSERT_EQ(readSheetFile(encodeCp932(text), content), std::nullopt) << c.declared;
        EXPECT_EQ(content.sheet.rowCount(), c.expected) << c.declared;
        EXPECT_EQ(content.sheet.cell(col::Mark, c.last), mark::Single) << c.declared;
    }
}

TEST(SheetFile, ReadsFilesMadeByIconvAndUtf8FilesWithAByteOrderMark)
{
    SheetFileContent iconv;
    ASSERT_EQ(readSheetFile(fixture("iconv_made.ksk"), iconv), std::nullopt);
    const Sheet& s = iconv.sheet;
    EXPECT_EQ(s.rowCount(), 120);
    EXPECT_EQ(s.cell(col::Mark, 0), mark::Single);
    EXPECT_EQ(s.cell(col::Mark, 1), mark::Head);
    EXPECT_EQ(s.cell(col::Mark, 3), mark::Last);
    EXPECT_EQ(s.cell(col::Cable, 0), "CV-T38゜");
    EXPECT_EQ(s.cell(col::Method, 0), "ｹｰﾌﾞﾙﾗｯｸ配線");
    EXPECT_EQ(s.cell(col::Remarks, 0), "予備 回路,1");
    EXPECT_EQ(s.cell(col::LoadName, 1), "L \"A\"");
    EXPECT_EQ(s.cell(col::Cable, 1), "CV 22゜");
    EXPECT_EQ(s.cell(33, 1), "");  // a stored blank comes back empty
    EXPECT_EQ(iconv.title.frequency, "50");
    EXPECT_EQ(iconv.title.building, "テスト ビル,A棟");

    SheetFileContent bom;
    ASSERT_EQ(readSheetFile(fixture("utf8_bom.ksk"), bom), std::nullopt);
    EXPECT_EQ(bom.sheet.cell(col::Mark, 0), mark::Single);
    EXPECT_EQ(bom.sheet.cell(col::LoadName, 0), "L1");
    EXPECT_EQ(bom.title.year, "元");
    EXPECT_EQ(bom.title.building, "BOMビル");
}

TEST(SheetFile, ACountLineTooLargeIsOutOfRangeAndOneWithoutDigitsIsNoNumber)
{
    const std::string range = "（0～" + std::to_string(kMaxFileRowCount) + "）";
    const std::pair<const char*, std::string> cases[] = {
        {"2147483648", "1行目の行数 2147483648 は扱えません" + range},
        {"99999999999999999999", "1行目の行数 99999999999999999999 は扱えません" + range},
        {"-2147483649", "1行目の行数 -2147483649 は扱えません" + range},
        {"-1", "1行目の行数 -1 は扱えません" + range},
        {"12a", "1行目（行数）が数値ではありません"},
        {"", "1行目（行数）が数値ではありません"},
    };
    for (const auto& [count, message] : cases) {
        SheetFileContent content;
        EXPECT_EQ(readSheetFile(std::string(count) + "\r\n0\r\n", content), message) << count;
    }
    SheetFileContent content;
    EXPECT_EQ(readSheetFile("108\r\n2147483648\r\n", content),
              "2行目の最終行 2147483648 は扱えません（0～" + std::to_string(kMaxFileLastRow) + "）");
}

TEST(SheetFile, Utf8FilesWithoutAByteOrderMarkReadAsUtf8)
{
    SheetFileContent sheet;
    ASSERT_EQ(readSheetFile(fixture("utf8_no_bom.ksk"), sheet), std::nullopt);
    EXPECT_EQ(sheet.sheet.cell(col::System, 0), "単相3線");
    EXPECT_EQ(sheet.sheet.cell(col::Mark, 0), mark::Single);
    EXPECT_EQ(sheet.sheet.cell(col::LoadName, 0), "電灯・コンセント");
    EXPECT_EQ(sheet.title.year, "元");
    EXPECT_EQ(sheet.title.building, "幹線計算 テストビル");
    EXPECT_EQ(sheet.title.eraLabel, "令和");

    SettingsFile settings;
    ASSERT_EQ(readSettingsFile(fixture("set_utf8.ini"), settings), std::nullopt);
    EXPECT_EQ(settings.frequency, "2");
    EXPECT_EQ(settings.eraName, "平成");
    EXPECT_EQ(settings.pageNumbers, "6");
}

TEST(SheetFile, TheLoaderTakesEveryFileTheLargestSheetSavesInto)
{
    // Count line, last used row, that many rows (the last one a feeder).
    auto file = [](int count, int last) {
        std::string text = std::to_string(count) + "\r\n" + std::to_string(last) + "\r\n";
        for (int r = 0; r < last; ++r) text += "\r\n";
        return encodeCp932(text + ",,,,,──?\r\n60\r\n1\r\n1\r\n1\r\nb\r\n令和\r\n");
    };
    struct Case {
        int count, last;
        bool loads;
    } cases[] = {{100020, 99999, false}, {100019, 100000, false}, {100019, 5, true}, {100019, 99999, true}};
    SheetFileContent content;
    for (const auto& c : cases) {
        ASSERT_EQ(!readSheetFile(file(c.count, c.last), content), c.loads) << c.count << " " << c.last;
        if (!c.loads) continue;
        EXPECT_EQ(content.sheet.rowCount(), 100000) << c.count << " " << c.last;
        EXPECT_EQ(content.sheet.cell(col::Mark, c.last), mark::Single);
    }

    // The largest file loaded: whatever row of the sheet the user fills, the
    // saved file loads again.
    Sheet& sheet = content.sheet;
    sheet.setCell(col::Mark, sheet.rowCount() - 1, std::string(mark::Single));
    const std::string bytes = writeSheetFile(sheet, kCarriers, kTitle);
    EXPECT_TRUE(bytes.starts_with("100019\r\n99999\r\n"));
    SheetFileContent again;
    ASSERT_EQ(readSheetFile(bytes, again), std::nullopt);
    EXPECT_EQ(again.sheet.cell(col::Mark, 99999), mark::Single);
}
