// "ケーブル自動選定" of the entry forms: the run being edited gets the smallest
// size of the cable window's family that passes the form's own checks (and,
// in the branch form, every judgement of the feeder that some size of it can
// satisfy), handed back as a double-click in the window would hand it back.
// The user still records the row with "登録".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cables/cable_handback.h"
#include "cables/impedance.h"
#include "host/host.h"

namespace tolvane {

class Tdensen;

inline constexpr std::string_view kSizingButtonCaption = "ケーブル自動選定";
inline constexpr std::string_view kChooseFamilyPrompt = "自動選定する電線・ケーブルの系列を選んでください";
inline constexpr std::string_view kNoSizePasses = "この系列には判定をすべて満たすサイズがありません。";

// The family the cable window shows; when it shows none, the user is asked
// for one, which the window then shows. Null when the user declines.
const CableFamily* familyToSize(Tdensen& window, Host* host);

// What the window would hand back for every size a run may take, smallest
// conductor first: the run's own type and cores when its designation belongs
// to the family (else the family's first type and the cores of `system`),
// for an entry form that opens the window as `caller`. Sizes the window hands
// nothing back for are left out.
std::vector<CableHandBack> sizesToTry(const Tdensen& window, const CableCaller& caller, const CableFamily& family,
                                      std::string_view designation, std::string_view system);

// What trying one size on a copy of the form found.
enum class SizeTrial {
    Passes,
    Fails,
    Stop,  // an entry is missing: the copy has told the user and set the focus
};

// Tries the sizes, smallest first, each on a copy of the form as the
// hand-back and the form's own steps would leave it, and returns the first
// that passes. Only the first copy talks to the user (it tells what is
// missing); when no size passes, the user is told so.
template <class Form, class Try>
std::optional<CableHandBack> firstPassingSize(Form& form, const std::vector<CableHandBack>& sizes, Try trySize)
{
    bool first = true;
    for (const CableHandBack& size : sizes) {
        Form trial = form;
        if (!first) trial.host = nullptr;
        first = false;
        switch (trySize(trial, size)) {
        case SizeTrial::Passes:
            return size;
        case SizeTrial::Stop:
            form.ActiveControl = trial.ActiveControl;
            return std::nullopt;
        case SizeTrial::Fails:
            break;
        }
    }
    if (form.host) form.host->informYes(kNoSizePasses);
    return std::nullopt;
}

}  // namespace tolvane
