#include "calc/checks.h"

#include "text/numbers.h"

namespace tolvane {

std::optional<std::string> CheckCableCurrent(std::string_view allowable, std::string_view designCurrent,
                                             std::string_view designation)
{
    if (allowable.empty() || designCurrent.empty()) return std::nullopt;
    if (parseWhole(allowable) < parseDecimal(designCurrent))
        return "ケーブル(" + std::string(designation) + ")の許容電流が設計電流値(" + std::string(designCurrent) +
               "A" + ")より小さいので変更してください。";
    return std::nullopt;
}

std::optional<std::string> CheckBreakerAgainstCable(std::string_view allowable, std::string_view rating)
{
    if (parseWhole(allowable) < parseWhole(rating))
        return "遮断機定格電流 " + std::string(rating) + "Ａ が電線許容電流値より大きいですが、修正しますか？。";
    return std::nullopt;
}

MainDeviceCheck CheckMainDevice(std::string_view mainDevice, std::string_view designCurrent)
{
    auto m = tryParseWhole(mainDevice);
    auto d = tryParseWhole(designCurrent);
    if (!m || !d) return {};
    if (*m < *d) return {MainDeviceAction::TakeDesignValue, {}};
    if (*d < *m)
        return {MainDeviceAction::Ask, "主幹器具定格電流は " + std::string(mainDevice) + "Ａ です。このまままで良いですか？。"};
    return {};
}

}  // namespace tolvane
