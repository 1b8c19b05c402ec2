#include "sheet/text_lines.h"

#include <algorithm>

#include "text/cp932.h"

namespace tolvane {

void readTextLines(std::string_view bytes, TextLines& out)
{
    out.text = decodeFileText(bytes);
    out.lines.clear();
    const std::string_view text = out.text;
    std::size_t start = 0;
    const std::size_t end = text.size();
    while (start < end) {
        const auto lineEnd = std::find_if(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(),
                                          [](char c) { return c == '\r' || c == '\n'; });
        const std::size_t stop = static_cast<std::size_t>(lineEnd - text.begin());
        if (stop == end) {
            out.lines.push_back(text.substr(start));
            break;
        }
        out.lines.push_back(text.substr(start, stop - start));
        start = stop + ((text[stop] == '\r' && stop + 1 < end && text[stop + 1] == '\n') ? 2 : 1);
    }
}

std::string writeTextLines(const std::vector<std::string>& lines, std::vector<UnheldCharacter>* unheld)
{
    std::size_t size = 0;
    for (const auto& line : lines) size += line.size() + 2;
    // "▶" of the tree marks has no place in CP932 and is written as "?".
    // Replacing it here gives the same bytes as the encoder's own fallback,
    // which restarts its work at every such character and makes a large
    // sheet slow to save.
    constexpr std::string_view triangle = "▶";
    std::string text;
    text.reserve(size);
    std::vector<std::size_t> lineEnds;  // offset in `text` just past each line's CR LF
    if (unheld) lineEnds.reserve(lines.size());
    for (const auto& line : lines) {
        std::size_t from = 0;
        for (std::size_t at; (at = line.find(triangle, from)) != std::string::npos; from = at + triangle.size()) {
            text.append(line, from, at - from);
            text += '?';
        }
        text.append(line, from);
        text += "\r\n";
        if (unheld) lineEnds.push_back(text.size());
    }
    if (!unheld) return encodeCp932(text);

    std::vector<ReplacedCharacter> replaced;
    std::string bytes = encodeCp932(text, &replaced);
    for (auto& r : replaced) {
        const auto end = std::upper_bound(lineEnds.begin(), lineEnds.end(), r.offset);
        unheld->push_back({static_cast<std::size_t>(end - lineEnds.begin()), std::move(r.character)});
    }
    return bytes;
}

}  // namespace tolvane
