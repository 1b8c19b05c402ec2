// Files on disk are in the Windows Japanese code page (CP932, Shift_JIS)
// without a byte-order mark; in memory every text is UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tolvane {

// A character the code page cannot hold, written as "?": where it starts in
// the UTF-8 text and the character itself.
struct ReplacedCharacter {
    std::size_t offset = 0;
    std::string character;
};

// UTF-8 -> CP932. A character the code page cannot hold (for example the
// tree marks' "▶", an emoji, "𠮷") is written as "?" and, when `replaced` is
// given, added to it.
std::string encodeCp932(std::string_view utf8, std::vector<ReplacedCharacter>* replaced = nullptr);

// CP932 -> UTF-8. Bytes that are no CP932 character become U+FFFD.
std::string decodeCp932(std::string_view bytes);

// A file's bytes -> UTF-8: UTF-8 or UTF-16 (LE/BE) when the file starts with
// that byte-order mark, CP932 otherwise; bytes without a mark that are no
// CP932 text but well-formed UTF-8 are taken as UTF-8.
std::string decodeFileText(std::string_view bytes);

// Length of a text in CP932 bytes: a full-width character counts 2, a
// half-width one 1 (the "half-width units" of a load name).
std::size_t cp932Length(std::string_view utf8);

// The longest start of a UTF-8 text that takes at most `units` half-width
// units, and the rest; a character is never cut.
std::pair<std::string, std::string> splitCp932Width(const std::string& text, std::size_t units);

}  // namespace tolvane
