// Feeds arbitrary bytes to the set.ini loader, alone and through the window.
// Four lines that were read must write, and what is written must read back
// and write to the same bytes (the first write turns what CP932 cannot hold
// into "?"); the window keeps one choice in each group.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/tform1.h"
#include "sheet/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const tolvane::TForm1 fresh;
    static tolvane::TForm1 window;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    tolvane::SettingsFile settings;
    const bool complete = !tolvane::readSettingsFile(bytes, settings);
    if (complete != (settings.linesRead == 4)) std::abort();
    if (complete) {
        const std::string written = tolvane::writeSettingsFile(settings);
        tolvane::SettingsFile again;
        if (tolvane::readSettingsFile(written, again)) std::abort();
        if (tolvane::writeSettingsFile(again) != written) std::abort();
    }

    window.RadioButton1 = fresh.RadioButton1;
    window.RadioButton2 = fresh.RadioButton2;
    window.RadioButton3 = fresh.RadioButton3;
    window.RadioButton4 = fresh.RadioButton4;
    window.RadioButton5 = fresh.RadioButton5;
    window.RadioButton6 = fresh.RadioButton6;
    window.modified = false;
    (void)window.loadSettingsData(bytes);
    if (window.modified) std::abort();  // window settings are no change to the document
    if (window.RadioButton1 == window.RadioButton2 || window.RadioButton3 == window.RadioButton4 ||
        window.RadioButton5 == window.RadioButton6)
        std::abort();  // exactly one button of each group
    return 0;
}
