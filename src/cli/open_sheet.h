// Every command that works on a sheet file starts from the main window's
// state after start-up, with the file loaded as "開く" loads it.
#pragma once

#include <optional>
#include <string>

namespace tolvane {
class TForm1;
}

namespace tolvane::cli {

// Loads `path` into `form` after the window's start-up steps. On failure
// prints "ファイルを読み込めませんでした: " and the reason on stderr, prefixed with the
// path when `namePath` is set, and returns false.
bool openSheet(TForm1& form, const std::string& path, bool namePath = false);

// Saves the window's work to `path` as "保存" does. Texts the file's code
// page cannot hold are still saved (as "?"), with a warning on stderr naming
// each place and character. Returns the reason of a failure.
std::optional<std::string> saveSheet(TForm1& form, const std::string& path);

}  // namespace tolvane::cli
