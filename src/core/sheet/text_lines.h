// The line lists that the sheet file and the settings file are made of:
// lines joined with CR LF (the last one ends with CR LF too), stored in the
// Japanese code page CP932.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// A file's text in UTF-8 and its lines, which point into the text.
struct TextLines {
    std::string text;
    std::vector<std::string_view> lines;
    TextLines() = default;
    TextLines(const TextLines&) = delete;  // the lines point into this text
    TextLines& operator=(const TextLines&) = delete;
};

// A file's bytes as lines of UTF-8 text, decoded as decodeFileText does (a
// byte-order mark selects UTF-8 or UTF-16, anything else is CP932 unless only
// UTF-8 reads it). Lines may end in CR LF, LF or CR;
// a line end after the last line does not start another line.
void readTextLines(std::string_view bytes, TextLines& out);

// A character the code page cannot hold, written as "?", and the index of
// the line it is on.
struct UnheldCharacter {
    std::size_t line = 0;
    std::string character;
};

// Lines as the bytes of a file: CP932, each line ended by CR LF. The tree
// marks' "▶" is written as "?" as the file format has it; every other
// character that became "?" is added to `unheld` when that is given.
std::string writeTextLines(const std::vector<std::string>& lines, std::vector<UnheldCharacter>* unheld = nullptr);

}  // namespace tolvane
