// The main window's state: the sheet, the title block, the settings panel and
// the fields the commands share. Members carry the names of the window's
// controls; methods are its commands. The Qt window only shows these members
// and forwards the user's clicks here.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <string>
#include <string_view>
#include <vector>

#include "app/era.h"
#include "app/version.h"
#include "calc/voltage_drop.h"
#include "output/print_page.h"
#include "output/workbook_writer.h"
#include "sheet/popup_menu.h"
#include "sheet/sheet.h"
#include "sheet/sheet_file.h"
#include "shortcircuit/short_circuit.h"
#include "shortcircuit/supply.h"

namespace tolvane {

class Host;

inline constexpr const char* kWindowCaption = "Tolvane　Ver" TOLVANE_VERSION;
// Begins the message of a sheet file that cannot be loaded; the reason follows.
inline constexpr const char* kLoadFailedMessage = "ファイルを読み込めませんでした: ";
// Asked before unsaved work would be lost (closing, opening another sheet):
// 保存 / 保存しない / キャンセル.
inline constexpr const char* kUnsavedWorkQuestion = "保存されていない変更があります。変更を保存しますか？";
// Asked before saving texts that the sheet file cannot hold; the list of
// them goes between the two parts.
inline constexpr const char* kLostCharactersQuestion =
    "次の文字はファイルの文字コード（シフトJIS）で表せないため、「?」として保存されます。\n";
inline constexpr const char* kLostCharactersQuestionEnd = "このまま保存しますか？";
// A command that would grow the sheet beyond its row limit is refused with this.
inline constexpr const char* kSheetFullMessage = "シートの行数が上限の100,000行を超えるため、実行できません。";
inline constexpr int kInitialClientWidth = 1584;
inline constexpr int kInitialClientHeight = 798;

// Window size at start-up from the screen size (client area in pixels).
struct WindowSize {
    int width = kInitialClientWidth;
    int height = kInitialClientHeight;
};
WindowSize startupWindowSize(int screenWidth, int screenHeight);

// What follows the window's size: sheet size, judgement column, pointer guide.
struct WindowLayout {
    int sheetWidth = 0;
    int sheetHeight = 0;
    int judgementWidth = 0;  // column 21
    int pointerGuideWidth = 0;
};
WindowLayout layoutForWindow(int windowWidth, int windowHeight);

// On-screen width of every sheet column; 0 is hidden. Column 21 gets the
// width of the layout rule instead.
extern const int kColumnWidths[kSheetColumns];

class TForm1 {
public:
    TForm1();

    // ---- the sheet and its copy buffer
    Sheet StringGrid1;
    Sheet StringGrid2{0};

    // ---- title block
    std::string Edit1;                // building name
    // Beside the building-name box while it holds characters the sheet file
    // cannot hold (they would be saved as "?"); empty otherwise.
    std::string Edit1Hint;
    std::string Label56 = "平成";     // era label beside the date
    bool Label56Visible = true;
    std::string Edit25;               // year within the era ("元" for 1)
    std::string Edit26;               // month
    std::string Edit27;               // day
    std::string Edit3;                // western year
    bool Edit3Visible = false;
    std::string Label66 = "60Hz";     // frequency label

    // ---- settings panel
    bool Panel30Visible = false;
    bool RadioButton1 = true;   // 60Hz
    bool RadioButton2 = false;  // 50Hz
    bool frequencyEnabled = true;
    bool RadioButton3 = true;   // 和暦
    bool RadioButton4 = false;  // 西暦
    std::string Edit2;          // era name of the settings panel
    bool Edit2Visible = true;
    std::string Label67;        // western year + "年"
    bool Label67Visible = false;
    bool RadioButton5 = true;   // print page numbers
    bool RadioButton6 = false;

    // ---- operation guide
    bool Panel6Visible = false;

    // ---- shared state fields
    std::int32_t kansenno = 0;
    std::int32_t keitou = 0;
    std::int16_t patan = 0;
    std::int16_t kidou = 0;
    std::int32_t s1 = 0;
    std::int32_t e1 = 0;
    // Cells under the pointer at the last press (nx1, ny1) and release (ux1,
    // uy1). Whole 32-bit rows: a sheet file may hold up to 100,000 rows.
    std::int32_t nx1 = 0;
    std::int32_t ny1 = 0;
    std::int32_t ux1 = 0;
    std::int32_t uy1 = 0;
    std::int32_t maxrowsu = 0;
    std::int32_t pagesu = 0;
    std::string FileName;
    std::string strFileName;
    std::string strFilePath;
    // Folder of "set.ini", ending with "/": the program's folder (strFilePath)
    // unless the owner keeps settings elsewhere (the installed program keeps
    // them in the user's settings folder, as /usr/bin is no place to write).
    std::string settingsFolder;

    // The allowable-drop choice the sheet totals use; the branch entry form
    // shows and changes it.
    SupplyChoice supply;

    // The building's supply conditions for the short-circuit calculation
    // (banks and breaking time). Part of the document like the title block:
    // saved in the sheet file, kept in the recovery copy and the undo steps.
    SupplyConditions supplyConditions;

    // Set by every command that changes the sheet or the title block; saving
    // and loading clear it.
    bool modified = false;
    // The file that recovered work belongs to: "保存" proposes it. Saving and
    // loading clear it.
    std::string recoveredFile;

    // Today's date; replaced in tests.
    std::function<CivilDate()> today = systemToday;

    // Message boxes, questions and dialogs of the commands; set by the owner
    // (the Qt window, the command-line tool, a test).
    Host* host = nullptr;

    // ---- start-up
    // Window creation: program path, command-line arguments (without the
    // program name), screen size. Returns the window's client size.
    WindowSize FormCreate(const std::string& programPath, const std::vector<std::string>& args, int screenWidth,
                          int screenHeight);
    // First showing of the window.
    void FormShow();

    // ---- title block commands
    void Edit1Change();     // the building name was typed: its hint
    void Button124Click();  // "TODAY"
    void Button20Click();   // era conversion "和暦←→西暦変換計算"
    void Button19Click();   // "設定": show the settings panel
    void Button26Click();   // "閉じる": hide it
    // "設定保存" of the settings panel: writes set.ini, hides the panel and
    // recalculates the current feeder range.
    void Button18Click();

    // Radio buttons: selecting one runs its behaviour when its state changes.
    void RadioButton1Click();  // 60Hz
    void RadioButton2Click();  // 50Hz
    void RadioButton3Click();  // 和暦
    void RadioButton4Click();  // 西暦
    void RadioButton5Click();  // page numbers printed
    void RadioButton6Click();  // not printed

    // ---- sheet file and settings file (tform1_files.cpp)
    // Loads a sheet file into the window (sheet, title block, settings carried
    // in the file). The file is parsed completely before anything changes;
    // returns the reason when it cannot be loaded, and then nothing changed.
    std::optional<std::string> loadSheetFile(const std::string& path);
    // The same from the file's bytes.
    std::optional<std::string> loadSheetData(std::string_view bytes);
    // Writes the sheet and title block to `path` as "保存" does (no dialog,
    // no question). The previous file survives any failure. Returns the
    // reason of a failure. The characters that became "?" go to `lost` when
    // that is given.
    std::optional<std::string> saveSheetFile(const std::string& path, std::vector<LostCharacter>* lost = nullptr);
    // The bytes of a sheet file holding `sheet` with this window's title block
    // and settings; `sheet` is adjusted as saving adjusts it.
    std::string sheetFileBytes(Sheet& sheet, std::vector<LostCharacter>* lost = nullptr) const;
    // The era and year within it (as the year box writes it) that the file
    // keeps for the document date. In the 西暦 display the western year box
    // decides them, with the month and day for the year an era began.
    std::pair<std::string, std::string> documentEraYear() const;
    // Applies the bytes of a "set.ini"; returns the reason when it is short.
    std::optional<std::string> loadSettingsData(std::string_view bytes);

    void Button1Click();   // "開く": settle unsaved work, choose a file, load it
    // A sheet file named without the open dialog (dropped on the window):
    // settles unsaved work and loads it, as "開く" does.
    void openSheetFile(const std::string& path);
    // "保存": the save dialog proposes the sheet's own file (name and folder)
    // when it has one, else the building name + "幹線計算書"; then saves.
    void Button2Click();
    // "上書き保存": writes the sheet's own file without a dialog; a sheet
    // without a file goes to "保存".
    void ButtonSaveClick();
    // "読込": load the file named by FileName. A file that cannot be loaded
    // leaves the window as it was (sheet, title block, FileName).
    void Button8Click();
    // Before unsaved work would be lost: asks 保存 / 保存しない / キャンセル.
    // True when the work may go (saved, or let go, or nothing unsaved);
    // false when the user cancelled or the save did not happen.
    bool settleUnsavedWork();
    // The file named on the command line, loaded when the window is first
    // shown (after set.ini, so that it shows what "開く" would show).
    std::string commandLineFile;
    void Button21Click();  // "設定保存": write set.ini in the program's folder
    void Button22Click();  // "設定読込": read set.ini when it exists

    // ---- row editing and clipboard text (tform1_editing.cpp)
    PopupMenu PopupMenu1;
    // Text the last clipboard command produced; the GUI puts it on the clipboard.
    std::string clipboardText;

    void Button4Click();  // "幹線番号の書き換え": renumber the feeders
    void Button5Click();  // "幹線の範囲(ROW)を検索": feeder range of ny1 into s1, e1
    // Whether the sheet may grow by `rows` rows; tells the user when not.
    bool roomForRows(long long rows) const;
    void Button9Click();  // "行の追加": insert empty rows at the selection
    void N2Click() { Button9Click(); }
    void N1Click();       // delete the feeder or the selected rows (by the menu's mode)
    void N7Click();       // "コピー": the feeder of ny1 into the copy buffer
    void N8Click();       // "貼付": the copy buffer as new rows at uy1
    void N11Click();      // "全削除"
    void N3Click();       // "クリップボードへコピー(個別)"
    void N9Click();       // "クリップボードへコピー(全部)"
    void Button3Click() { N9Click(); }  // "クリッボードコピー"
    // A mouse release on the sheet over row uy1 (already stored): updates the
    // popup menu and the selection; true when the menu is to be opened.
    bool StringGrid1PopupRelease(bool rightButton);

    // ---- sheet calculations (tform1_calc.cpp), on the feeder range s1..e1
    // Each throws ConversionError at a cell that is not a number; what it
    // wrote before stays. The totals use `supply` for the allowable drops.
    void Button17Click();  // "設計電流の再計算"
    void Button10Click();  // "単独の電圧降下計算"
    void Button6Click();   // "こう長と電流値の足し算、電圧降下計算と判断"
    void Button7Click();   // "許容電流５５％と３５％のチェック"
    // "判定の確認": applies the drawing checks to every row, then shows every
    // report through host->warn, or "判定は良好です。" through host->inform.
    // The reports with their rows come from reviewJudgements (sheet/review.h).
    void Button25Click();

    // ---- document output (tform1_output.cpp)
    // Page record "エクセル変換ページ数の記録": line numbers in column 25, page
    // counts of the feeders in column 30, maxrowsu and pagesu. A row count that
    // is no whole number throws ConversionError.
    void Button14Click();
    // "印刷" after the print dialog: runs the page record and lays out the
    // document as pages of drawing primitives. When a cell stops the print the
    // result holds the pages so far and the failure (printFailureText).
    PrintDocument printDocument();
    // "エクセル変換": writes the document as a workbook to `path`, one feeder
    // per worksheet or 18 lines per worksheet. Returns the reason of a failure.
    std::optional<ExportFailure> exportWorkbook(const std::string& path, WorkbookMode mode,
                                              const ExportProgress& progress = {});
    // The title block the outputs print: building name, date, frequency and
    // the page-number setting as the window holds them now.
    TitleBlock titleBlock() const;
    // Building name + "_電路計算書.xlsx" beside the sheet file.
    std::string proposedWorkbookPath() const;

    // ---- short-circuit calculation (tform1_shortcircuit.cpp)
    // Each setter is one command: the window runs it through its undo
    // history, so that it is one undo step. A value that is refused changes
    // nothing and comes back as the reason (Japanese, naming the field); a
    // change marks the document modified.
    // New banks and breaking time, checked as a whole (checkSupply).
    std::optional<std::string> setSupplyConditions(SupplyConditions conditions);
    // Column 27 of a feeder's head row (a single feeder's own row): a bank
    // name of the conditions, or empty for the first bank that fits the
    // feeder's system. Other rows refuse it.
    std::optional<std::string> setRowBank(int row, std::string bankName);
    // Column 28 / 29 of a row: Icu [kA], a number above 0, or empty.
    std::optional<std::string> setRowBreakerIcu(int row, std::string icu);
    std::optional<std::string> setRowMainIcu(int row, std::string icu);
    // Every row of the sheet computed with the window's supply conditions and frequency.
    ShortCircuitResult shortCircuit() const;

    // Frequency for the cable window: 60, 50, or 0 when neither is chosen.
    int frequency() const { return RadioButton1 ? 60 : RadioButton2 ? 50 : 0; }

private:
    // Loads `path` and takes its name; on failure warns and changes nothing.
    bool openNamedFile(const std::string& path);
    // Saves to `path` after asking about texts the file cannot hold; on
    // success the window takes the name. False when cancelled or failed (the
    // failure reported); the window is then as it was.
    bool saveNamedFile(const std::string& path);
    bool saveWithDialog();
    // "上書き保存": the sheet's own file, or the dialog when it has none.
    bool saveToOwnFile();
};

}  // namespace tolvane
