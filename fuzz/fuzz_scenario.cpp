// Feeds arbitrary text to the scenario parser of `tolvane-cli play`. It may
// refuse a scenario only with its own error; every line it keeps has words,
// and the line numbers rise.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "app/script_host.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    try {
        int last = 0;
        for (const tolvane::ScriptLine& line : tolvane::parseScenario(in)) {
            if (line.words.empty() || line.number <= last) std::abort();
            last = line.number;
        }
    } catch (const tolvane::ScriptError&) {
    }
    return 0;
}
