// The sheet: a table of text cells, 35 columns and a variable number of rows,
// in which every feeder of the building is laid out. Every command reads and
// writes it by (column, row); every value is text.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// Column indices of the sheet.
namespace col {
inline constexpr int No = 0;              // feeder number on the head row
inline constexpr int Name = 1;            // feeder number or name as typed
inline constexpr int System = 2;          // electrical system
inline constexpr int Voltage = 3;
inline constexpr int Breaker = 4;         // breaker protecting the feeder
inline constexpr int Mark = 5;            // tree mark; decides the row kind
inline constexpr int Length = 6;          // こう長 [m]
inline constexpr int LoadName = 7;
inline constexpr int MainDevice = 8;      // 主幹器具定格電流
inline constexpr int Current = 9;         // 設計負荷電流
inline constexpr int PowerFactor = 10;
inline constexpr int Cable = 11;          // type and size designation
inline constexpr int Method = 12;         // installation method (stored form)
inline constexpr int Allowable = 13;      // allowable current
inline constexpr int Impedance = 14;
inline constexpr int Drop = 15;           // drop of this run
inline constexpr int DropSum = 16;        // summed drop on branch rows
inline constexpr int AllowableDrop = 17;
inline constexpr int Remarks = 18;
inline constexpr int CumLength = 19;      // hidden: metres from the feeder's start
inline constexpr int Size = 20;           // hidden: conductor size, bare number
inline constexpr int Judgement = 21;      // 判定
inline constexpr int SystemNo = 22;       // hidden: "1" or "2" on dwelling rows
inline constexpr int Over = 23;           // hidden: "over" marker
inline constexpr int RowTotal = 24;       // hidden: rows of the feeder, head row
inline constexpr int LineNo = 25;         // hidden: line within the output page
inline constexpr int FeederNo = 26;       // hidden: feeder number on every row
inline constexpr int BankName = 27;       // hidden: transformer bank feeding the row (empty: the first that fits)
inline constexpr int BreakerIcu = 28;     // hidden: Icu [kA] of the breaker of column 4
inline constexpr int MainIcu = 29;        // hidden: Icu [kA] of the main device of column 8
inline constexpr int Pages = 30;          // hidden: output pages of the feeder
inline constexpr int SubMethod = 31;      // sub-method of a cable rack
inline constexpr int Carrier = 34;        // hidden: settings carrier while saving
}  // namespace col

inline constexpr int kSheetColumns = 35;
inline constexpr int kStartRows = 108;
inline constexpr int kRowsPerPage = 18;
// The most rows a sheet may grow to: a building's feeders fit many times
// over, and a sheet of this size saves into a file that loads again.
inline constexpr int kMaxSheetRows = 100000;

// Whether `more` rows may be added to a sheet of `rows` rows.
inline bool roomForRows(int rows, long long more) { return more <= kMaxSheetRows - static_cast<long long>(rows); }

using SheetRow = std::array<std::string, kSheetColumns>;

class Sheet {
public:
    explicit Sheet(int rows = kStartRows);

    int rowCount() const { return rowCount_; }
    // Rows 0 .. storedRows() - 1 may hold text; every row below them is empty.
    int storedRows() const { return static_cast<int>(rows_.size()); }
    // Grows with empty rows or cuts rows off the end.
    void setRowCount(int rows);

    // Reading beyond the last row or column yields ""; writing there does nothing.
    const std::string& cell(int column, int row) const;
    void setCell(int column, int row, std::string text);

    const SheetRow& row(int r) const;
    void setRow(int r, SheetRow cells);
    void clearRow(int r);

    // Every cell empty; the row count stays.
    void clear();

    // Inserts `count` empty rows before row `at`, moving the rows below down
    // and growing the sheet by `count` rows.
    void insertRows(int at, int count);

    // Highest row whose tree mark (column 5) is not empty; 0 when none.
    int lastUsedRow() const;

    // Equal row counts and equal cells.
    bool operator==(const Sheet& other) const;

private:
    // A row of the table, or nothing for a row that is empty. Copies of the
    // sheet (undo steps, the recovery copy, the copy buffer) share the rows
    // they have in common; a row is copied only when one of them writes it.
    // The rows below the last one ever written are not stored at all. So
    // empty rows cost almost nothing and a copy of a large sheet is quick.
    using SharedRow = std::shared_ptr<SheetRow>;
    const SharedRow* stored(int r) const;
    SheetRow& writableRow(int r);

    std::vector<SharedRow> rows_;  // rows 0 .. rows_.size() - 1
    int rowCount_ = 0;
};

}  // namespace tolvane
