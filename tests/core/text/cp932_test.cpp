#include "text/cp932.h"

#include <gtest/gtest.h>

using namespace tolvane;

TEST(Cp932, WritesTheTriangleOfTreeMarksAsQuestionMark)
{
    EXPECT_EQ(encodeCp932("──▶"), encodeCp932("──") + "?");
    EXPECT_EQ(decodeCp932(encodeCp932("├─▶")), "├─?");
    EXPECT_EQ(encodeCp932("A▶B"), "A?B");
}

TEST(Cp932, RoundTripsTheCharactersTheSheetUses)
{
    const char* texts[] = {"～", "－", "①", "㎜", "㎡", "ｹｰﾌﾞﾙﾗｯｸ配線", "゜", "ﾟ", "┌─┘│├└││", "　", "電路計算書（幹線用）",
                           "(様式 電－８－１) ", "l [ｍ]", "cosθ", "Ω", "√3", "〇：許容電流55%以上", "×", "℃", "≧"};
    for (const char* t : texts) {
        std::string bytes = encodeCp932(t);
        EXPECT_EQ(bytes.find('?'), std::string::npos) << t;
        EXPECT_EQ(decodeCp932(bytes), t) << t;
    }
    EXPECT_EQ(encodeCp932("～"), "\x81\x60");  // the wave dash of Windows systems
    // Characters whose second byte is an ASCII letter or the backslash, among
    // ASCII text: the second byte belongs to the character.
    EXPECT_EQ(encodeCp932("1,ソ,表\\能A"), "1,\x83\x5C,\x95\x5C\\\x94\x5C" "A");
    EXPECT_EQ(decodeCp932("1,\x83\x5C,\x95\x5C\\\x94\x5C" "A"), "1,ソ,表\\能A");
    EXPECT_EQ(decodeCp932("\x83\x41\x83\x43"), "アイ");
    EXPECT_EQ(encodeCp932("ﾟ"), "\xDF");
}

TEST(Cp932, DecodesByteOrderMarkedFiles)
{
    EXPECT_EQ(decodeFileText("\xEF\xBB\xBF" "幹線"), "幹線");
    EXPECT_EQ(decodeFileText(std::string("\xFF\xFE\x79\x5E\xDA\x7D", 6)), "幹線");
    EXPECT_EQ(decodeFileText(std::string("\xFE\xFF\x5E\x79\x7D\xDA", 6)), "幹線");
    EXPECT_EQ(decodeFileText(encodeCp932("幹線")), "幹線");
}

TEST(Cp932, FilesWithoutAMarkAreCp932UnlessOnlyUtf8ReadsThem)
{
    struct Case {
        const char* bytes;
        const char* text;
    } cases[] = {
        {"幹線 電灯・コンセント", "幹線 電灯・コンセント"},  // UTF-8 that is no CP932
        {"\x8a\xb2\x90\xfc", "幹線"},                      // CP932 that is no UTF-8
        {"\xC3\xA9", "ﾃｩ"},                                // both: "é" in UTF-8 stays CP932
        {"L-1,100", "L-1,100"},                            // ASCII reads the same in both
        // Neither: read as CP932 with replacement characters. No UTF-8: a
        // byte 0xFF, a surrogate, a code above U+10FFFF, an overlong NUL.
        {"A\xFF", "A\xEF\xBF\xBD"},
        {"\xED\xA0\x80", "恝\xEF\xBF\xBD"},
        {"\xF4\x90\x80\x80", "\xEE\x8C\xBF\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xF0\x80\x80\x80", "\xEE\x80\xBF\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const auto& c : cases) EXPECT_EQ(decodeFileText(c.bytes), c.text) << c.bytes;
}

TEST(Cp932, BrokenBytesBecomeReplacementCharacters)
{
    EXPECT_EQ(decodeCp932("A\x81"), "A\xEF\xBF\xBD");
    EXPECT_EQ(decodeFileText("\xEF\xBB\xBF" "A\xFF" "B"), "A\xEF\xBF\xBD" "B");
    // A lead byte without its trail byte takes nothing with it: the line end,
    // blank or letter after it stays (a damaged file keeps its lines).
    EXPECT_EQ(decodeCp932("\x90\r\nB"), "\xEF\xBF\xBD\r\nB");
    EXPECT_EQ(decodeCp932("\x95\xbd\x90\x0d\xac"), "平\xEF\xBF\xBD\rｬ");
    EXPECT_EQ(decodeCp932("\x81 1"), "\xEF\xBF\xBD 1");
    EXPECT_EQ(decodeCp932("12\x90"), "12\xEF\xBF\xBD");
    // Broken UTF-8 in memory costs its own bytes only when written.
    EXPECT_EQ(encodeCp932("\xE3" "AB"), "?AB");
}

TEST(Cp932, LengthCountsFullWidthAsTwo)
{
    EXPECT_EQ(cp932Length("分岐点"), 6u);
    EXPECT_EQ(cp932Length("L-1"), 3u);
    EXPECT_EQ(cp932Length("ｹｰﾌﾞﾙ"), 5u);
}

TEST(Cp932, ReportsEveryCharacterItCannotHoldWithItsPlace)
{
    std::vector<ReplacedCharacter> replaced;
    EXPECT_EQ(encodeCp932("a😀漢𠮷b▶", &replaced), "a?" + encodeCp932("漢") + "?b?");
    ASSERT_EQ(replaced.size(), 3u);
    const std::pair<std::size_t, std::string> expected[] = {{1, "😀"}, {8, "𠮷"}, {13, "▶"}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(replaced[i].offset, expected[i].first) << i;
        EXPECT_EQ(replaced[i].character, expected[i].second) << i;
    }
    replaced.clear();
    encodeCp932("～①ｱ　", &replaced);  // all of them in the code page
    EXPECT_TRUE(replaced.empty());
}
