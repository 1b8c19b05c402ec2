#include "sheet/settings_file.h"

#include <algorithm>

#include "sheet/text_lines.h"

namespace tolvane {

std::string writeSettingsFile(const SettingsFile& settings)
{
    return writeTextLines({settings.frequency, settings.eraName, settings.eraDisplay, settings.pageNumbers});
}

std::optional<std::string> readSettingsFile(std::string_view bytes, SettingsFile& settings)
{
    TextLines file;
    readTextLines(bytes, file);
    // A text file holds no control characters but its line ends and tabs:
    // anything else is some other file under this name, and none of it is
    // taken for a setting.
    const bool binary = std::any_of(file.text.begin(), file.text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && c != '\r' && c != '\n' && c != '\t') || byte == 0x7f;
    });
    if (binary) {
        settings.linesRead = 0;
        return std::string(kSettingsFileName) + " は設定ファイルではありません（文字以外のデーターを含みます）";
    }
    const std::vector<std::string_view>& lines = file.lines;
    std::string* fields[] = {&settings.frequency, &settings.eraName, &settings.eraDisplay, &settings.pageNumbers};
    settings.linesRead = static_cast<int>(std::min<std::size_t>(lines.size(), 4));
    for (int i = 0; i < settings.linesRead; ++i) *fields[i] = lines[static_cast<std::size_t>(i)];
    if (lines.size() < 4)
        return std::string(kSettingsFileName) + " の行が足りません（4行必要なところ" + std::to_string(lines.size()) + "行）";
    return std::nullopt;
}

}  // namespace tolvane
