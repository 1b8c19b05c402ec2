// How a modal form was closed, read by whoever showed it.
#pragma once

namespace tolvane {

enum class ModalResult {
    None,    // still open
    Ok,      // "登録"
    Cancel,  // "キャンセル" or the window's close box
};

}  // namespace tolvane
