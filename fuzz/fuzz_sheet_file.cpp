// Feeds arbitrary bytes to the sheet-file loader. A file that loads must
// save, and what it saves must load again and save to the same bytes; a file
// that is refused must leave the window untouched. Nothing may crash, leak
// or hang. One window is set up once; each input works on copies of it,
// which are set back before the input ends, so that every input finds the
// windows as the first did and frees all it allocated (a leak stands out).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/recovery_keeper.h"
#include "app/tform1.h"

namespace {

struct Windows {
    tolvane::TForm1 fresh;
    tolvane::TForm1 first;
    tolvane::TForm1 second;
    Windows()
    {
        fresh.today = [] { return tolvane::CivilDate{2026, 12, 9}; };
        fresh.Button124Click();
        first = fresh;
        second = fresh;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Windows w;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    if (w.first.loadSheetData(bytes)) {
        if (!(w.first.StringGrid1 == w.fresh.StringGrid1) || w.first.Edit1 != w.fresh.Edit1 ||
            !(w.first.supplyConditions == w.fresh.supplyConditions))
            std::abort();  // a refused file changed the window
    } else {
        const std::string once = tolvane::recoveryBytes(w.first);
        if (w.second.loadSheetData(once)) std::abort();  // what was saved does not load
        if (tolvane::recoveryBytes(w.second) != once) std::abort();  // save -> load -> save differs
    }
    w.first = w.fresh;
    w.second = w.fresh;
    return 0;
}
