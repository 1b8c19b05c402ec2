#include "entry/tform3.h"

namespace tolvane {

void TForm3::FormShow()
{
    Edit1.clear();
    ten = 0;
    modalResult = ModalResult::None;
}

void TForm3::digit(char d)
{
    // A lone "0" becomes "0." so that "0", "5" reads 0.5. That point counts
    // as the number's decimal point: a later "." must not add a second one.
    if (Edit1 == "0") {
        Edit1 = "0.";
        ten = 1;
    }
    Edit1 += d;
}

void TForm3::Button10Click() { Edit1 += '0'; }

void TForm3::Button11Click()
{
    if (ten == 1) return;
    if (Edit1.empty())
        Edit1 = "0.";
    else
        Edit1 += '.';
    ten = 1;
}

void TForm3::Button13Click()
{
    ten = 0;
    Edit1.clear();
}

void TForm3::Edit1DblClick() { Button13Click(); }

void TForm3::Button14Click()
{
    ten = 0;
    modalResult = ModalResult::Ok;
}

void TForm3::Button23Click()
{
    Edit1.clear();
    ten = 0;
    modalResult = ModalResult::Cancel;
}

void TForm3::backspace()
{
    if (Edit1.empty()) return;
    std::size_t last = Edit1.size() - 1;
    while (last > 0 && (static_cast<unsigned char>(Edit1[last]) & 0xC0) == 0x80) --last;  // whole UTF-8 character
    if (Edit1.compare(last, std::string::npos, ".") == 0) ten = 0;
    Edit1.erase(last);
}

bool TForm3::press(std::string_view key)
{
    if (key.size() == 1 && key[0] >= '1' && key[0] <= '9') {
        digit(key[0]);
    } else if (key == "0") {
        Button10Click();
    } else if (key == ".") {
        Button11Click();
    } else if (key == "C") {
        Button13Click();
    } else if (key == Button14Caption) {
        Button14Click();
    } else if (key == Button23Caption) {
        Button23Click();
    } else {
        return false;
    }
    return true;
}

}  // namespace tolvane
