// The short-circuit window's model: its banks, breaking time and grid edits
// reach the main window's document as one undo step each, and a refused entry
// changes nothing, says why and puts the cursor on its field.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/tform1.h"
#include "app/undo_history.h"
#include "shortcircuit/tform7.h"
#include "support/recording_host.h"
#include "support/test_files.h"
#include "text/numbers.h"

namespace tolvane {
namespace {

using testing::RecordingHost;

// The sample building with a 三相 bank T1 and a 単相 bank L1.
class ShortCircuitWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        main.host = &host;
        ASSERT_FALSE(main.loadSheetFile(TOLVANE_TEST_DATA "/shortcircuit/two_banks.ksk"));
        ASSERT_EQ(main.supplyConditions.banks.size(), 2u);
        window.host = &host;
        window.commit = [this](const std::function<void()>& change) { undo.run(main, change); };
        undo.markSaved(main);
        window.FormShow();
    }

    // Fills the bank fields as a user types them.
    void typeBank(const std::string& name, const std::string& phases, const std::string& kva, const std::string& z,
                  const std::string& r)
    {
        window.Edit1 = name;
        window.ComboBox1 = phases;
        window.Edit3 = kva;
        window.Edit4 = z;
        window.Edit5 = r;
        window.Edit6.clear();
    }

    int lineOfRow(int row) const
    {
        for (std::size_t i = 0; i < window.StringGrid1.size(); ++i)
            if (window.StringGrid1[i].row == row) return static_cast<int>(i);
        return -1;
    }

    RecordingHost host;
    TForm1 main;
    TForm7 window{main};
    UndoHistory undo;
};

TEST_F(ShortCircuitWindow, ShowsTheBanksAndEveryRowOfTheSheet)
{
    ASSERT_EQ(window.ListBox1Items.size(), 2u);
    EXPECT_EQ(window.ListBox1Items[0], "T1　三相 210V 500kVA %Z 4.5 %R 1.2");
    EXPECT_EQ(window.bankItems, (std::vector<std::string>{"（自動）", "T1", "L1"}));
    EXPECT_EQ(window.icuItems.front(), "1.5");
    EXPECT_EQ(window.icuItems.back(), "200");
    EXPECT_EQ(window.Edit9, "0.02");
    EXPECT_FALSE(window.Button2Enabled);
    // A line for every row with a tree mark; the first is fed by T1 from its bus.
    ASSERT_EQ(window.StringGrid1.size(), main.shortCircuit().rows.size());
    const TForm7::GridLine& first = window.StringGrid1[0];
    EXPECT_EQ(first.row, 0);
    EXPECT_EQ(first.cells[sccol::Bank].text, "T1");
    EXPECT_EQ(first.cells[sccol::StartKa].text, "28.41");
    EXPECT_EQ(window.Label1, "判定が × の行が 2 行あります。");
}

TEST_F(ShortCircuitWindow, RefusedBankChangesNothingAndPutsTheCursorOnItsField)
{
    struct Case {
        const char* what;
        std::function<void(TForm7&)> type;
        const char* control;
        const char* message;
    };
    const Case cases[] = {
        {"no name", [](TForm7& w) { w.Edit1 = ""; }, "Edit1", "バンクの名称を入力してください。"},
        {"name of another bank", [](TForm7& w) { w.Edit1 = "L1"; }, "Edit1", "バンクの名称「L1」が重複しています。"},
        {"voltage no number", [](TForm7& w) { w.Edit2 = "２１０Ｖ"; }, "Edit2",
         "バンク「T9」の二次電圧[V]は0より大きい数値を入力してください。"},
        {"capacity 0", [](TForm7& w) { w.Edit3 = "0"; }, "Edit3",
         "バンク「T9」の定格容量[kVA]は0より大きい数値を入力してください。"},
        {"no %Z", [](TForm7& w) { w.Edit4 = ""; }, "Edit4", "バンク「T9」の%Zは0より大きい数値を入力してください。"},
        {"%R above %Z", [](TForm7& w) { w.Edit5 = "5"; }, "Edit5", "バンク「T9」の%Rは%Zより小さくしてください。"},
        {"%R below 0", [](TForm7& w) { w.Edit5 = "-1"; }, "Edit5", "バンク「T9」の%Rは0以上の数値を入力してください。"},
        {"%R and load loss", [](TForm7& w) { w.Edit6 = "5000"; }, "Edit5",
         "バンク「T9」の%Rと負荷損[W]は、どちらか一方を入力してください。"},
        {"load loss below 0", [](TForm7& w) { w.Edit5 = ""; w.Edit6 = "-3"; }, "Edit6",
         "バンク「T9」の負荷損[W]は0以上の数値を入力してください。"},
        {"high-voltage current no number", [](TForm7& w) { w.Edit7 = "abc"; }, "Edit7",
         "バンク「T9」の高圧側短絡電流[kA]は0より大きい数値を入力してください。"},
        {"high-voltage voltage 0", [](TForm7& w) { w.Edit8 = "0"; }, "Edit8",
         "バンク「T9」の高圧側電圧[kV]は0より大きい数値を入力してください。"},
    };
    const SupplyConditions before = main.supplyConditions;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window.FormShow();
        typeBank("T9", "三相", "300", "4", "1");
        window.Edit2 = "210";
        window.Edit7 = "12.5";
        window.Edit8 = "6.6";
        c.type(window);
        host.warned.clear();
        window.Button1Click();
        ASSERT_EQ(host.warned.size(), 1u);
        EXPECT_EQ(host.warned[0], c.message);
        EXPECT_EQ(window.ActiveControl, c.control);
        EXPECT_EQ(main.supplyConditions, before);
        EXPECT_FALSE(main.modified);
        EXPECT_FALSE(undo.canUndo());
    }
}

TEST_F(ShortCircuitWindow, AddEditAndRemoveAreOneUndoStepEach)
{
    // 追加: a new bank at the end of the list, selected.
    typeBank("T2", "三相", "300", "4", "");
    window.Edit6 = "3600";
    window.Button1Click();
    EXPECT_TRUE(host.warned.empty());
    ASSERT_EQ(main.supplyConditions.banks.size(), 3u);
    EXPECT_EQ(main.supplyConditions.banks[2].loadLoss, "3600");
    EXPECT_EQ(window.ListBox1, 2);
    EXPECT_TRUE(window.Button3Enabled);
    EXPECT_TRUE(main.modified);
    const SupplyConditions withT2 = main.supplyConditions;

    // A row that names T1, then 変更 renames T1: the row follows in the same step.
    window.StringGrid1SetBank(lineOfRow(2), "T1");
    ASSERT_EQ(main.StringGrid1.cell(col::BankName, 2), "T1");
    const Sheet namedRow = main.StringGrid1;
    window.ListBox1 = 0;
    window.ListBox1Click();
    EXPECT_EQ(window.Edit1, "T1");
    EXPECT_EQ(window.Edit4, "4.5");
    window.Edit1 = "TR-1";
    window.Button2Click();
    EXPECT_EQ(main.supplyConditions.banks[0].name, "TR-1");
    EXPECT_EQ(main.StringGrid1.cell(col::BankName, 2), "TR-1");
    EXPECT_EQ(window.StringGrid1[static_cast<std::size_t>(lineOfRow(2))].cells[sccol::Bank].text, "TR-1");

    // 削除 of a bank rows name asks, and its rows go back to automatic.
    host.answers = {true};
    window.Button3Click();
    ASSERT_EQ(host.asked.size(), 1u);
    EXPECT_EQ(host.asked[0], "バンク「TR-1」を指定している 1 行は、電源が（自動）に戻ります。削除してよろしいですか？");
    EXPECT_EQ(main.supplyConditions.banks.size(), 2u);
    EXPECT_EQ(main.StringGrid1.cell(col::BankName, 2), "");
    EXPECT_EQ(window.ListBox1, -1);

    // Each undo takes one of the steps back.
    undo.undo(main);
    EXPECT_EQ(main.supplyConditions.banks[0].name, "TR-1");
    EXPECT_EQ(main.StringGrid1.cell(col::BankName, 2), "TR-1");
    undo.undo(main);
    EXPECT_EQ(main.supplyConditions, withT2);
    EXPECT_EQ(main.StringGrid1, namedRow);
    undo.undo(main);
    EXPECT_EQ(main.StringGrid1.cell(col::BankName, 2), "");
    undo.undo(main);
    EXPECT_EQ(main.supplyConditions.banks.size(), 2u);
    EXPECT_FALSE(undo.canUndo());
    EXPECT_FALSE(main.modified);
}

TEST_F(ShortCircuitWindow, DeclinedRemovalAndNoSelectionChangeNothing)
{
    window.StringGrid1SetBank(lineOfRow(0), "T1");
    const DocumentState before = captureDocument(main);
    window.ListBox1 = 0;
    window.ListBox1Click();
    host.answers = {false};
    window.Button3Click();
    EXPECT_EQ(captureDocument(main), before);

    window.ListBox1 = -1;
    window.ListBox1Click();
    window.Button2Click();
    window.Button3Click();
    EXPECT_EQ(host.warned, (std::vector<std::string>{"バンクを一覧から選んでください。", "バンクを一覧から選んでください。"}));
    EXPECT_EQ(window.ActiveControl, "ListBox1");
    EXPECT_EQ(captureDocument(main), before);
}

TEST_F(ShortCircuitWindow, GridCellsEditTheRowsColumns)
{
    const int line = lineOfRow(0);
    // An entered Icu below the bus current fails the breaker, in red.
    window.StringGrid1SetBreakerIcu(line, "25");
    EXPECT_EQ(main.StringGrid1.cell(col::BreakerIcu, 0), "25");
    const TForm7::GridLine& shown = window.StringGrid1[static_cast<std::size_t>(line)];
    EXPECT_EQ(shown.breakerIcu, "25");
    EXPECT_EQ(shown.cells[sccol::BreakerIcu].text, "25");
    EXPECT_TRUE(shown.cells[sccol::BreakerIcu].failed);
    EXPECT_TRUE(shown.cells[sccol::Judgement].failed);
    EXPECT_EQ(shown.cells[sccol::Judgement].text, "×：遮断器の遮断容量不足");

    window.StringGrid1SetMainIcu(line, "7.5");
    EXPECT_EQ(main.StringGrid1.cell(col::MainIcu, 0), "7.5");

    // A bank named, then automatic again.
    window.StringGrid1SetBank(line, "T1");
    EXPECT_EQ(main.StringGrid1.cell(col::BankName, 0), "T1");
    window.StringGrid1SetBank(line, std::string(TForm7::kAutomaticBank));
    EXPECT_EQ(main.StringGrid1.cell(col::BankName, 0), "");
    EXPECT_TRUE(host.warned.empty());

    // A bad Icu, and a bank on a row inside a dwelling feeder, are refused
    // with their messages; the cells keep their values.
    const DocumentState before = captureDocument(main);
    window.StringGrid1SetMainIcu(line, "abc");
    const int branch = lineOfRow(5);
    EXPECT_TRUE(window.StringGrid1[static_cast<std::size_t>(line)].bankEditable);
    EXPECT_FALSE(window.StringGrid1[static_cast<std::size_t>(branch)].bankEditable);
    window.StringGrid1SetBank(branch, "T1");
    EXPECT_EQ(host.warned, (std::vector<std::string>{"主幹器具の定格遮断容量Icu[kA]は0より大きい数値を入力してください: abc",
                                                     "電源のバンクは幹線の先頭行（単独幹線はその行）で指定してください。"}));
    EXPECT_EQ(window.ActiveControl, "StringGrid1");
    EXPECT_EQ(captureDocument(main), before);

    // Four edits, four steps.
    int steps = 0;
    while (undo.canUndo()) {
        undo.undo(main);
        ++steps;
    }
    EXPECT_EQ(steps, 4);
    EXPECT_EQ(main.StringGrid1.cell(col::BreakerIcu, 0), "");
}

TEST_F(ShortCircuitWindow, BreakingTime)
{
    window.Edit9 = "0";
    window.Edit9Exit();
    ASSERT_EQ(host.warned.size(), 1u);
    EXPECT_EQ(host.warned[0], "遮断時間[s]は0より大きく10以下の数値を入力してください。");
    EXPECT_EQ(window.ActiveControl, "Edit9");
    EXPECT_EQ(main.supplyConditions.breakingTime, "0.02");
    EXPECT_EQ(window.Edit9, "0");  // left for mending
    EXPECT_FALSE(undo.canUndo());

    // A longer time asks for a thicker cable.
    const std::string before = window.StringGrid1[0].cells[sccol::MinimumSection].text;
    window.Edit9 = "0.1";
    window.Edit9Exit();
    EXPECT_EQ(main.supplyConditions.breakingTime, "0.1");
    EXPECT_TRUE(main.modified);
    EXPECT_GT(parseDecimal(window.StringGrid1[0].cells[sccol::MinimumSection].text), parseDecimal(before));
    undo.undo(main);
    EXPECT_EQ(main.supplyConditions.breakingTime, "0.02");
}

TEST_F(ShortCircuitWindow, WorkbookGoesWhereTheUserChose)
{
    const std::filesystem::path dir = testing::freshFolder("sc_window");
    main.Edit1 = "ビル";
    main.FileName = (dir / "b.ksk").string();
    window.Button7Click();  // cancelled: nothing written
    ASSERT_EQ(host.proposedNames.size(), 1u);
    EXPECT_EQ(host.proposedNames[0], (dir / "ビル_短絡電流計算書.xlsx").string());
    EXPECT_TRUE(std::filesystem::is_empty(dir));

    host.files = {(dir / "out").string()};
    window.Button7Click();
    EXPECT_TRUE(host.errors.empty());
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "out.xlsx"));

    host.files = {(dir / "missing" / "out.xlsx").string()};
    window.Button7Click();
    EXPECT_EQ(host.errors.size(), 1u);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace tolvane
