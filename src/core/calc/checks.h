// The current checks of a run: cable against design current, breaker against
// cable, main device against design current. Each says what is to be told or
// asked; the form shows it through its host.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

// Information text when the cable's allowable current (whole number) is below
// the design current (decimal); nothing when it holds, or when a field is empty.
// ConversionError on a text that is not a number.
std::optional<std::string> CheckCableCurrent(std::string_view allowable, std::string_view designCurrent,
                                             std::string_view designation);

// Warning question when the breaker rating is above the allowable current,
// both read as whole numbers (ConversionError otherwise, empty included).
std::optional<std::string> CheckBreakerAgainstCable(std::string_view allowable, std::string_view rating);

enum class MainDeviceAction {
    Nothing,          // equal, or a text that is not a whole number
    TakeDesignValue,  // main device below the design current: set it silently
    Ask,              // main device above: ask; "No" takes the design value
};
struct MainDeviceCheck {
    MainDeviceAction action = MainDeviceAction::Nothing;
    std::string question;
};
MainDeviceCheck CheckMainDevice(std::string_view mainDevice, std::string_view designCurrent);

}  // namespace tolvane
