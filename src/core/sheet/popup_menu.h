// The sheet's popup menu: which items a mouse release enables, the caption
// of the delete item, what it deletes, and whether the menu opens.
#pragma once

#include <array>
#include <string>

#include "sheet/sheet.h"

namespace tolvane {

// Positions of the menu items (separators included).
namespace popup {
inline constexpr int Delete = 0;      // N1: "No.n を削除する" / "行を削除する"
inline constexpr int Insert = 2;      // N2: "行の追加"
inline constexpr int Paste = 4;       // N8: "貼付"
inline constexpr int Copy = 5;        // N7: "コピー"
inline constexpr int CopyFeederText = 7;  // N3: "クリップボードへコピー(個別)"
inline constexpr int CopySheetText = 8;   // N9: "クリップボードへコピー(全部)"
inline constexpr int ClearAll = 10;   // N11: "全削除"
inline constexpr int Guide = 12;      // N13: "操作方法の表示"
inline constexpr int SizeFeeder = 14;  // "ケーブル自動選定（この幹線）"
inline constexpr int SizeAll = 15;     // "ケーブル自動選定（全幹線）"
inline constexpr int ShortCircuit = 17;  // "短絡電流計算": the short-circuit window
inline constexpr int ItemCount = 18;
}  // namespace popup

// What the delete item deletes.
enum class DeleteMode {
    Feeder = 0,  // the feeder range of the selection's top row
    Rows = 1,    // the selected rows
};

struct PopupMenu {
    std::array<bool, popup::ItemCount> enabled;
    std::string deleteCaption = "幹線削除";
    DeleteMode mode = DeleteMode::Feeder;

    PopupMenu() { enabled.fill(true); }
};

struct PopupDecision {
    PopupMenu menu;  // the menu as it is after the release
    int ny1 = 0;     // top of the selection after a right release
    int uy1 = 0;     // bottom of the selection after a right release
    bool opens = false;
};

// A mouse release over row `uy1` of the sheet after a press on row `ny1`.
// Every release re-enables the delete, copy and clipboard items; only a
// right release sorts the selection, sets caption and mode and may open the
// menu. Sizing "this feeder" needs a feeder at the selection's top row. A selection whose top row lies inside a one-system branch opens no
// menu; one whose bottom row does opens it without the delete item.
PopupDecision decidePopup(const Sheet& sheet, int ny1, int uy1, bool rightButton, const PopupMenu& current);

}  // namespace tolvane
