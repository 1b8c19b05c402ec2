// The settings file "set.ini" in the program's folder: four lines with the
// codes of the settings panel's choices.
//
//   line 1  "1" 60 Hz, "2" 50 Hz
//   line 2  era name of the settings panel
//   line 3  "3" era display 和暦, "4" 西暦
//   line 4  "5" page numbers printed, "6" not
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

inline constexpr const char* kSettingsFileName = "set.ini";

struct SettingsFile {
    std::string frequency;
    std::string eraName;
    std::string eraDisplay;
    std::string pageNumbers;
    int linesRead = 4;  // how many of the four lines the file had
};

// The file's bytes (CP932, CR LF).
std::string writeSettingsFile(const SettingsFile& settings);

// Reads the four lines. Returns the reason when the file has fewer than four
// lines; `settings` then holds the lines that are there (`linesRead`). A file
// with control characters other than line ends and tabs (no text at all) is
// refused whole: `linesRead` is 0.
std::optional<std::string> readSettingsFile(std::string_view bytes, SettingsFile& settings);

}  // namespace tolvane
