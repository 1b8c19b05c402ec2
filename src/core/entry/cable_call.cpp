#include "entry/cable_call.h"

#include "cables/tdensen.h"
#include "host/host.h"

namespace tolvane {

std::optional<CableHandBack> showCableWindow(Host* host, Tdensen& densen, const CableCaller& caller)
{
    densen.FormActivate(caller);
    if (host) host->showCableWindow(densen);
    if (densen.cableChosen && densen.handBack) return densen.handBack;
    return std::nullopt;
}

void resetFamilyPrompt(Tdensen& densen)
{
    if (densen.familyListShowsPrompt()) densen.selectFirstFamily();
}

}  // namespace tolvane
