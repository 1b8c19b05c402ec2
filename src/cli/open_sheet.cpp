#include "cli/open_sheet.h"

#include <iostream>

#include "app/tform1.h"

namespace tolvane::cli {

bool openSheet(TForm1& form, const std::string& path, bool namePath)
{
    form.FormCreate("", {}, 1600, 900);
    form.FormShow();
    if (auto reason = form.loadSheetFile(path)) {
        if (namePath) std::cerr << path << ": ";
        std::cerr << kLoadFailedMessage << *reason << "\n";
        return false;
    }
    return true;
}

}  // namespace tolvane::cli
