// The supply conditions in the sheet file and in the main window's document:
// saving, loading, refusing a damaged block, undo and the recovery copy.
#include <gtest/gtest.h>

#include "app/recovery_keeper.h"
#include "app/undo_history.h"
#include "sheet/feeders.h"
#include "sheet/row_editing.h"
#include "sheet/tree_marks.h"
#include "shortcircuit/supply_block.h"
#include "support/started_window.h"
#include "support/test_files.h"
#include "text/cp932.h"

namespace tolvane {
namespace {

using Window = testing::StartedWindow;

SupplyConditions twoBanks()
{
    SupplyConditions s;
    TransformerBank t;
    t.name = "T1 動力,東";  // a blank and a comma are quoted
    t.kva = "500";
    t.percentZ = "4.5";
    t.percentR = "1.2";
    TransformerBank l;
    l.name = "L1";
    l.phases = BankPhases::Single;
    l.kva = "100";
    l.percentZ = "2.5";
    l.loadLoss = "1300";
    l.hvKa = "";  // infinite bus
    s.banks = {t, l};
    s.breakingTime = "0.03";
    return s;
}

void fillFeeder(TForm1& w)
{
    w.StringGrid1.setCell(col::No, 0, "1");
    w.StringGrid1.setCell(col::Mark, 0, std::string(mark::Single));
    w.StringGrid1.setCell(col::No, 1, "2");
    w.StringGrid1.setCell(col::Mark, 1, std::string(mark::Head));
    w.StringGrid1.setCell(col::Mark, 2, std::string(mark::Point));
    w.StringGrid1.setCell(col::System, 0, "三相3線");
    w.StringGrid1.setCell(col::BankName, 0, "L1");
    w.StringGrid1.setCell(col::BreakerIcu, 0, "25");
    w.StringGrid1.setCell(col::MainIcu, 0, "7.5");
    renumberFeeders(w.StringGrid1);
}

TEST(SupplyFile, ConditionsAndRowInputsSurviveSaveAndLoad)
{
    Window first;
    fillFeeder(first);
    first.supplyConditions = twoBanks();
    Sheet sheet = first.StringGrid1;
    const std::string bytes = first.sheetFileBytes(sheet);
    // The block follows the era line; a reader of the rows and title stops before it.
    EXPECT_NE(bytes.find(encodeCp932("\r\n[短絡電流計算 1]\r\n時間,0.03\r\n"
                                     "バンク,\"T1 動力,東\",3,210,500,4.5,1.2,,12.5,6.6\r\n"
                                     "バンク,L1,1,210,100,2.5,,1300,,6.6\r\n[終]\r\n")),
              std::string::npos);

    Window second;
    ASSERT_EQ(second.loadSheetData(bytes), std::nullopt);
    EXPECT_EQ(second.supplyConditions, twoBanks());
    for (int c : {col::BankName, col::BreakerIcu, col::MainIcu})
        EXPECT_EQ(second.StringGrid1.cell(c, 0), first.StringGrid1.cell(c, 0)) << c;
    Sheet again = second.StringGrid1;
    EXPECT_EQ(second.sheetFileBytes(again), bytes);
}

TEST(SupplyFile, AFileWithoutTheBlockStaysByteIdenticalAndHasTheDefaults)
{
    // Files the program wrote before there were banks: loading and saving gives their bytes back.
    for (const char* name : {"/output/small.ksk", "/../../examples/sample.ksk"}) {
        const std::string bytes = testing::bytesOf(std::string(TOLVANE_TEST_DATA) + name);
        ASSERT_FALSE(bytes.empty()) << name;
        Window w;
        ASSERT_EQ(w.loadSheetData(bytes), std::nullopt) << name;
        Sheet sheet = w.StringGrid1;
        EXPECT_EQ(w.sheetFileBytes(sheet), bytes) << name;
    }

    const std::string file = encodeCp932("120\r\n1\r\n,,,,,──?\r\n1,,,,,──?,,,,,,,,,,,,,,,,,,,,,1\r\n60\r\n5\r\n4\r\n1\r\nb\r\n令和\r\n");
    Window w;
    w.supplyConditions = twoBanks();
    ASSERT_EQ(w.loadSheetData(file), std::nullopt);
    EXPECT_TRUE(w.supplyConditions.isDefault());
    Sheet sheet = w.StringGrid1;
    const std::string saved = w.sheetFileBytes(sheet);
    Window reloaded;
    ASSERT_EQ(reloaded.loadSheetData(saved), std::nullopt);
    Sheet sheet2 = reloaded.StringGrid1;
    EXPECT_EQ(reloaded.sheetFileBytes(sheet2), saved);
    EXPECT_EQ(saved.find(encodeCp932("[短絡電流計算")), std::string::npos);
    // Lines after the era line that are no block are passed over, as before.
    ASSERT_EQ(w.loadSheetData(file + "something else\r\n"), std::nullopt);
    EXPECT_TRUE(w.supplyConditions.isDefault());
}

TEST(SupplyFile, ADamagedBlockIsRefusedAndNothingChanges)
{
    const std::string head = "120\r\n0\r\n,,,,,──?\r\n60\r\n5\r\n4\r\n1\r\nb\r\n令和\r\n[短絡電流計算 1]\r\n";
    const std::string bank = "バンク,T1,3,210,500,4.5,1.2,,12.5,6.6\r\n";
    const std::pair<std::string, std::string> cases[] = {
        {"時間,0.02\r\n" + bank, "短絡電流計算の電源条件（12行目）：終わりの行「[終]」がありません"},
        {bank + "[終]\r\n", "短絡電流計算の電源条件（12行目）：遮断時間の行がありません"},
        {"時間,0\r\n[終]\r\n", "短絡電流計算の電源条件（11行目）：遮断時間「0」は0より大きく10以下の数値ではありません"},
        {"時間,0.02\r\n時間,0.03\r\n[終]\r\n", "短絡電流計算の電源条件（12行目）：遮断時間が二度あります"},
        {"時間,0.02\r\nXX,1\r\n[終]\r\n", "短絡電流計算の電源条件（12行目）：読めない行です"},
        {"時間,0.02\r\nバンク,T1,2,210,500,4.5,1.2,,12.5,6.6\r\n[終]\r\n", "短絡電流計算の電源条件（12行目）：相「2」は1か3ではありません"},
        {"時間,0.02\r\nバンク,T1,3,210,500,4.5,1.2,,12.5,6.6,9\r\n[終]\r\n", "短絡電流計算の電源条件（12行目）：バンクの欄が多すぎます"},
        // A line cut short loses its high-voltage kV, which a bank must have.
        {"時間,0.02\r\nバンク,T1,3,210,500,4.5,1.2,,12.5\r\n[終]\r\n",
         "短絡電流計算の電源条件（12行目）：バンク「T1」の高圧側電圧[kV]は0より大きい数値を入力してください。"},
        {"時間,0.02\r\nバンク,T1,3,210,500,4.5,4.5,,12.5,6.6\r\n[終]\r\n",
         "短絡電流計算の電源条件（12行目）：バンク「T1」の%Rは%Zより小さくしてください。"},
        {"時間,0.02\r\n" + bank + bank + "[終]\r\n", "短絡電流計算の電源条件（13行目）：バンクの名称「T1」が重複しています。"},
    };
    Window w;
    fillFeeder(w);
    w.supplyConditions = twoBanks();
    w.modified = true;
    const Sheet before = w.StringGrid1;
    for (const auto& [tail, message] : cases) {
        EXPECT_EQ(w.loadSheetData(encodeCp932(head + tail)).value_or(""), message) << tail;
        EXPECT_EQ(w.StringGrid1, before);
        EXPECT_EQ(w.supplyConditions, twoBanks());
        EXPECT_TRUE(w.modified);
    }
    EXPECT_EQ(w.loadSheetData(encodeCp932(head + "時間,0.02\r\n" + bank + "[終]\r\n")), std::nullopt);
    ASSERT_EQ(w.supplyConditions.banks.size(), 1u);
}

TEST(SupplyFile, WindowSettersAreOneUndoStepAndReachTheRecoveryCopy)
{
    Window w;
    fillFeeder(w);
    UndoHistory history;
    history.markSaved(w);

    // Refused conditions change nothing.
    SupplyConditions bad = twoBanks();
    bad.banks[0].percentZ = "0";
    std::optional<std::string> refused;
    history.run(w, [&] { refused = w.setSupplyConditions(bad); });
    EXPECT_EQ(refused.value_or(""), "バンク「T1 動力,東」の%Zは0より大きい数値を入力してください。");
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(w.modified);

    history.run(w, [&] { EXPECT_EQ(w.setSupplyConditions(twoBanks()), std::nullopt); });
    EXPECT_TRUE(w.modified);
    EXPECT_NE(recoveryBytes(w).find(encodeCp932("[短絡電流計算 1]")), std::string::npos);

    const std::pair<std::function<std::optional<std::string>()>, std::string> refusedCells[] = {
        {[&] { return w.setRowBank(0, "T9"); }, "バンク「T9」は電源条件にありません。"},
        {[&] { return w.setRowBank(5, ""); }, "幹線の行ではありません。"},
        {[&] { return w.setRowBank(2, "L1"); }, "電源のバンクは幹線の先頭行（単独幹線はその行）で指定してください。"},
        {[&] { return w.setRowBreakerIcu(0, "abc"); }, "遮断器の定格遮断容量Icu[kA]は0より大きい数値を入力してください: abc"},
        {[&] { return w.setRowMainIcu(0, "-5"); }, "主幹器具の定格遮断容量Icu[kA]は0より大きい数値を入力してください: -5"},
    };
    for (const auto& [set, message] : refusedCells) {
        std::optional<std::string> got;
        history.run(w, [&] { got = set(); });
        EXPECT_EQ(got.value_or(""), message);
    }
    EXPECT_EQ(w.StringGrid1.cell(col::BankName, 0), "L1");
    EXPECT_EQ(w.StringGrid1.cell(col::BreakerIcu, 0), "25");

    history.run(w, [&] { EXPECT_EQ(w.setRowBank(0, "T1 動力,東"), std::nullopt); });
    history.run(w, [&] { EXPECT_EQ(w.setRowBreakerIcu(0, "50"), std::nullopt); });
    history.run(w, [&] { EXPECT_EQ(w.setRowMainIcu(0, ""), std::nullopt); });
    EXPECT_EQ(w.StringGrid1.cell(col::MainIcu, 0), "");

    // Four steps: the conditions and each cell; undo walks them back one by one.
    history.undo(w);
    EXPECT_EQ(w.StringGrid1.cell(col::MainIcu, 0), "7.5");
    history.undo(w);
    EXPECT_EQ(w.StringGrid1.cell(col::BreakerIcu, 0), "25");
    history.undo(w);
    EXPECT_EQ(w.StringGrid1.cell(col::BankName, 0), "L1");
    EXPECT_EQ(w.supplyConditions, twoBanks());
    history.undo(w);
    EXPECT_TRUE(w.supplyConditions.isDefault());
    EXPECT_FALSE(w.modified);  // back at the saved document
    EXPECT_FALSE(history.canUndo());
}

// The per-row inputs are sheet cells: the structural edits move them with their rows.
TEST(SupplyFile, RowInputsMoveWithTheirRows)
{
    Sheet sheet;
    for (int r = 0; r < 3; ++r) {
        sheet.setCell(col::No, r, std::to_string(r + 1));
        sheet.setCell(col::Mark, r, std::string(mark::Single));
        sheet.setCell(col::BankName, r, "B" + std::to_string(r));
        sheet.setCell(col::BreakerIcu, r, std::to_string(10 + r));
        sheet.setCell(col::MainIcu, r, std::to_string(20 + r));
    }
    renumberFeeders(sheet);
    auto inputsAt = [&](int r) {
        return sheet.cell(col::BankName, r) + "|" + sheet.cell(col::BreakerIcu, r) + "|" + sheet.cell(col::MainIcu, r);
    };
    insertRowsAtSelection(sheet, 1, 1);  // one empty row above row 1
    EXPECT_EQ(inputsAt(1), "||");
    EXPECT_EQ(inputsAt(2), "B1|11|21");
    deleteRows(sheet, 0, 1);
    EXPECT_EQ(inputsAt(0), "B1|11|21");
    EXPECT_EQ(inputsAt(1), "B2|12|22");
    pasteFeeder(sheet, copyFeeder(sheet, {1, 1}), 0);
    EXPECT_EQ(inputsAt(0), "B2|12|22");
    EXPECT_EQ(inputsAt(1), "B1|11|21");
}

}  // namespace
}  // namespace tolvane
