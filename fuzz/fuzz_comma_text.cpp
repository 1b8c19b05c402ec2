// Feeds arbitrary lines to the comma-text row codec. A row read from a line
// must write back as one line (the file is split into lines before its rows
// are read, so a line break would cut the row) and read back as the same
// cells, as the loader sees them (a lone blank is an empty cell).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "sheet/comma_text.h"

namespace {

tolvane::SheetRow asLoaded(tolvane::SheetRow row)
{
    for (auto& cell : row)
        if (cell == " ") cell.clear();
    return row;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const tolvane::SheetRow row = asLoaded(tolvane::decodeCommaText(line));
    const std::string written = tolvane::encodeCommaText(row);
    if (written.find_first_of("\r\n") != std::string::npos && line.find_first_of("\r\n") == std::string_view::npos)
        std::abort();  // a line break the input did not have
    if (asLoaded(tolvane::decodeCommaText(written)) != row) std::abort();
    return 0;
}
