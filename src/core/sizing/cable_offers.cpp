#include "sizing/cable_offers.h"

#include <numbers>

#include "cables/installation.h"
#include "text/numbers.h"

namespace tolvane {

CableOffers::CableOffers(const Tdensen& window, std::optional<CableConditions> conditions)
    : window_(window), conditions_(std::move(conditions))
{
    window_.host = nullptr;  // a refusal of the window is an offer without hand-back
}

const std::vector<CableOffer>& CableOffers::offers(const CableFamily& family, std::string_view type,
                                                   const CableCaller& caller)
{
    // The depth only matters to the buried method.
    std::string key = std::string(family.name) + '\t' + std::string(type) + '\t' + caller.method + '\t' +
                      (caller.method == kMethodBuried ? caller.depth : std::string()) + '\t' +
                      caller.feederSystem + '\t' + std::to_string(caller.patt) + '\t' +
                      std::to_string(caller.frequency);
    if (auto it = cache_.find(key); it != cache_.end()) return it->second;

    Tdensen window = window_;
    window.ComboBox11 = std::string(family.name);
    window.FormActivate(caller);
    window.ComboBox3 = std::string(type);
    if (conditions_) applyCableConditions(window, *conditions_);

    std::vector<CableOffer> offers;
    for (const ImpedanceEntry& entry : family.entries) {
        CableOffer offer{std::string(entry.size), std::nullopt};
        if (int row = window.sizeRow(entry.size)) {
            window.clickSizeRow(row);
            offer.handBack = window.StringGrid7DblClick();
        }
        offers.push_back(std::move(offer));
    }
    return cache_.emplace(std::move(key), std::move(offers)).first->second;
}

std::optional<CableHandBack> CableOffers::handBack(const CableFamily& family, std::string_view type,
                                                  std::string_view size, const CableCaller& caller)
{
    for (const CableOffer& offer : offers(family, type, caller))
        if (offer.size == size) return offer.handBack;
    return std::nullopt;
}

namespace {

// The leading decimal number of a size text and what follows it.
std::pair<double, std::string_view> leadingNumber(std::string_view size)
{
    std::size_t end = 0;
    while (end < size.size() && ((size[end] >= '0' && size[end] <= '9') || size[end] == '.')) ++end;
    auto value = tryParseDecimal(size.substr(0, end));
    return {value ? *value : 0.0, size.substr(end)};
}

bool startsWithSizeMark(std::string_view rest) { return rest.starts_with("゜") || rest.starts_with("ﾟ"); }

}  // namespace

double conductorSection(std::string_view size)
{
    auto [number, rest] = leadingNumber(size);
    if (startsWithSizeMark(rest)) return number;
    return std::numbers::pi / 4 * number * number;
}

std::string coreSuffix(std::string_view size)
{
    for (std::string_view mark : {"-", "x"}) {
        std::size_t at = size.rfind(mark);
        if (at != std::string_view::npos && at + 1 < size.size() && size[at + 1] >= '0' && size[at + 1] <= '9')
            return std::string(size.substr(at));
    }
    return {};
}

}  // namespace tolvane
