#include "entry/cable_sizing.h"

#include "cables/tdensen.h"
#include "host/host.h"
#include "sizing/cable_offers.h"
#include "sizing/run_cables.h"

namespace tolvane {

const CableFamily* familyToSize(Tdensen& window, Host* host)
{
    if (const CableFamily* shown = FindCableFamily(window.ComboBox11)) return shown;
    if (!host) return nullptr;
    const std::vector<std::string> items(FamilyListItems().begin(), FamilyListItems().end());
    std::optional<std::string> chosen = host->chooseItem(kChooseFamilyPrompt, items);
    const CableFamily* family = chosen ? FindCableFamily(*chosen) : nullptr;
    if (family) window.ComboBox11 = std::string(family->name);
    return family;
}

std::vector<CableHandBack> sizesToTry(const Tdensen& window, const CableCaller& caller, const CableFamily& family,
                                      std::string_view designation, std::string_view system)
{
    std::vector<CableHandBack> sizes;
    const RunCable run = runCableOf(designation, family, system);
    CableOffers offers(window);
    for (SizeChoice& choice : sizeChoicesOf(run, offers, caller)) sizes.push_back(std::move(choice.cable));
    return sizes;
}

}  // namespace tolvane
