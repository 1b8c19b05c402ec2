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

std::optional<std::string> saveSheet(TForm1& form, const std::string& path)
{
    std::vector<LostCharacter> lost;
    auto reason = form.saveSheetFile(path, &lost);
    if (!reason && !lost.empty())
        std::cerr << path << ": 警告: 次の文字はファイルの文字コード（シフトJIS）で表せないため、「?」として保存しました\n"
                  << lostCharactersText(lost, lost.size());
    return reason;
}

}  // namespace tolvane::cli
