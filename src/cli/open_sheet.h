// Every command that works on a sheet file starts from the main window's
// state after start-up, with the file loaded as "開く" loads it.
#pragma once

#include <string>

namespace tolvane {
class TForm1;
}

namespace tolvane::cli {

// Loads `path` into `form` after the window's start-up steps. On failure
// prints "ファイルを読み込めませんでした: " and the reason on stderr, prefixed with the
// path when `namePath` is set, and returns false.
bool openSheet(TForm1& form, const std::string& path, bool namePath = false);

}  // namespace tolvane::cli
