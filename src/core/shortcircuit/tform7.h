// The short-circuit window 「短絡電流計算」: the building's transformer banks
// (a list with the fields of one bank, 追加 / 変更 / 削除), the breaking time,
// and a grid of every sheet row with its fault currents and checks, whose bank
// and Icu cells can be edited. Every change goes to the main window's document
// as one step of its own (its undo history, the modified mark and the
// recovery copy follow it); a refused entry changes nothing, says why and puts
// the cursor on the field.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "output/print_page.h"
#include "output/short_circuit_document.h"
#include "output/workbook_writer.h"
#include "shortcircuit/supply.h"

namespace tolvane {

class Host;
class TForm1;

class TForm7 {
public:
    explicit TForm7(TForm1& main) : main_(main) {}

    static constexpr std::string_view Caption = "短絡電流計算";
    // The grid's bank choice that leaves column 27 empty: the first bank that fits.
    static constexpr std::string_view kAutomaticBank = "（自動）";
    static constexpr std::string_view kNoBanks = "電源（変圧器バンク）を追加すると、各行の短絡電流を計算します。";
    static constexpr std::string_view kAllPassed = "判定は良好です。";
    static constexpr std::string_view kNoBankSelected = "バンクを一覧から選んでください。";

    // ---- banks
    std::vector<std::string> ListBox1Items;  // one line per bank
    int ListBox1 = -1;                       // the selected bank, -1 for none
    std::string Edit1;                       // 名称
    std::string ComboBox1 = std::string(kPhasesThree);  // 相
    const std::vector<std::string> ComboBox1Items{std::string(kPhasesSingle), std::string(kPhasesThree)};
    std::string Edit2 = std::string(kDefaultSecondaryVoltage);  // 二次電圧 [V]
    std::string Edit3;                                          // 定格容量 [kVA]
    std::string Edit4;                                          // %Z
    std::string Edit5;                                          // %R
    std::string Edit6;                                          // 負荷損 [W]
    std::string Edit7 = std::string(kDefaultHighVoltageKa);     // 高圧側短絡電流 [kA]
    std::string Edit8 = std::string(kDefaultHighVoltageKv);     // 高圧側電圧 [kV]
    bool Button2Enabled = false;                                // 変更
    bool Button3Enabled = false;                                // 削除

    // ---- breaking time
    std::string Edit9 = std::string(kDefaultBreakingTime);  // 遮断時間 t [s]

    // ---- the grid: one line per sheet row with a tree mark
    struct GridLine {
        int row = 0;                         // sheet row
        std::string bank;                    // column 27 as stored; empty: automatic
        std::string breakerIcu, mainIcu;     // columns 28 and 29 as stored
        bool bankEditable = false;           // a feeder's head row (a single feeder's row) names the bank
        std::vector<ShortCircuitCell> cells;  // the document's columns
    };
    std::vector<GridLine> StringGrid1;
    std::vector<std::string> bankItems;  // the grid's bank choices: kAutomaticBank, then the banks
    std::vector<std::string> icuItems;   // the grid's Icu choices: the ladder [kA]
    std::string Label1;                  // the summary under the grid

    // Where the cursor is to go after a handler ("Edit4", "Edit9" ...).
    std::string ActiveControl;
    Host* host = nullptr;
    // Runs a change of the main window's document as one command; the window
    // wraps it in its undo history and recovery copy. Unset: runs it as it is.
    std::function<void(const std::function<void()>&)> commit;

    void FormShow();      // the conditions and rows of the main window
    void ListBox1Click(); // a bank chosen: its fields
    void Button1Click();  // 追加: the fields as a new bank
    void Button2Click();  // 変更: the fields replace the selected bank (its rows follow a new name)
    void Button3Click();  // 削除: the selected bank (its rows go back to automatic)
    void Edit9Exit();     // the breaking time typed and left (or Enter)
    // A grid cell edited: the bank of a line (a bank name or kAutomaticBank),
    // the Icu of its breaker or of its main device.
    void StringGrid1SetBank(int line, const std::string& text);
    void StringGrid1SetBreakerIcu(int line, const std::string& text);
    void StringGrid1SetMainIcu(int line, const std::string& text);
    // "Excel出力": asks for the file name and writes the document's workbook.
    void Button7Click();

    // The document as the print and the PDF draw it.
    PrintDocument document() const;
    // Building name + "_短絡電流計算書" + extension beside the sheet file.
    std::string proposedPath(std::string_view extension) const;
    // The sheet file the building was opened from: no document is written over it.
    const std::string& sheetFile() const;

private:
    // The bank of the fields; its phases from ComboBox1.
    TransformerBank fieldsBank() const;
    // Checks a bank of the fields, says why it is refused and puts the cursor on its field.
    bool bankAccepted(const TransformerBank& bank);
    // Runs a change through commit and shows its reason when it was refused.
    bool apply(const std::function<std::optional<std::string>()>& change, std::string_view focus);
    void refresh();

    TForm1& main_;
};

}  // namespace tolvane
