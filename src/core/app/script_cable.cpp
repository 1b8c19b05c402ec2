#include "app/script_cable.h"

#include <algorithm>

#include "app/script_host.h"
#include "cables/tdensen.h"
#include "text/numbers.h"

namespace tolvane {
namespace {

bool offered(const std::vector<std::string>& items, const std::string& text)
{
    return std::find(items.begin(), items.end(), text) != items.end();
}

}  // namespace

void pickCable(Tdensen& window, const std::vector<std::string>& words)
{
    const std::string& family = words.at(1);
    const std::string& type = words.at(2);
    const std::string& size = words.at(3);

    std::string familyText = family;
    if (auto n = tryParseWhole(family)) {
        if (*n < 1 || *n > static_cast<int>(window.ComboBox11Items.size()))
            throw ScriptError("no cable family " + family);
        familyText = window.ComboBox11Items[*n - 1];
    }
    window.ComboBox11 = familyText;
    window.ComboBox11Change();

    if (!offered(window.ComboBox3Items, type)) throw ScriptError("the family offers no type " + type);
    window.ComboBox3 = type;

    if (words.size() > 4) {
        const std::string& grouping = words[4];
        std::size_t a = grouping.find(',');
        std::size_t b = a == std::string::npos ? a : grouping.find(',', a + 1);
        if (b == std::string::npos) throw ScriptError("grouping is TIERS,PER_TIER,SPACING");
        window.ComboBox5 = grouping.substr(0, a);
        window.ComboBox5Click();
        window.ComboBox6 = grouping.substr(b + 1);
        window.ComboBox6Click();
        window.ComboBox4 = grouping.substr(a + 1, b - a - 1);
        window.ComboBox4Click();
    }

    int row = window.sizeRow(size);
    if (row == 0) throw ScriptError("the family has no size " + size);
    window.clickSizeRow(row);
    window.StringGrid7DblClick();
    // A pick without an allowable current leaves the window open; the user
    // then closes it.
    if (!window.closeRequested) window.FormCloseBox();
}

void closeCableWindow(Tdensen& window) { window.FormCloseBox(); }

}  // namespace tolvane
