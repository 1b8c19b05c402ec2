// Feeds arbitrary bytes to the sheet-file loader and the set.ini loader.
// A file that loads must save, load again, and from then on save to the
// same bytes every time; nothing may crash, leak or hang.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/tform1.h"
#include "sheet/sheet_file.h"

namespace {

tolvane::TForm1 window()
{
    tolvane::TForm1 form;
    form.today = [] { return tolvane::CivilDate{2026, 12, 9}; };
    form.Button124Click();
    return form;
}

std::string save(tolvane::TForm1& form)
{
    tolvane::SheetFileCarriers carriers{form.Label56, form.RadioButton4 ? "4" : "3", form.RadioButton6 ? "6" : "5",
                                        form.Edit2};
    tolvane::SheetFileTitle title{form.RadioButton1 ? "60" : form.RadioButton2 ? "50" : "0",
                                  form.Edit25, form.Edit26, form.Edit27, form.Edit1, form.Label56};
    return tolvane::writeSheetFile(form.StringGrid1, carriers, title);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    tolvane::TForm1 settings = window();
    (void)settings.loadSettingsData(bytes);

    tolvane::TForm1 first = window();
    const tolvane::Sheet untouched = first.StringGrid1;
    if (first.loadSheetData(bytes)) {
        if (!(first.StringGrid1 == untouched)) std::abort();  // a refused file changed the sheet
        return 0;
    }
    const std::string once = save(first);
    tolvane::TForm1 second = window();
    if (second.loadSheetData(once)) std::abort();
    const std::string twice = save(second);
    tolvane::TForm1 third = window();
    if (third.loadSheetData(twice)) std::abort();
    if (save(third) != twice) std::abort();
    return 0;
}
