// "ケーブル自動選定（この幹線）" and "ケーブル自動選定（全幹線）" of the sheet's popup
// menu: the feeder of the selection's top row, or every feeder, sized with
// the cable window's laying conditions as they stand, the sheet's frequency
// and allowable-drop choice and the feeder form's burial depth. The plan is
// shown before it is applied.
#pragma once

#include <vector>

#include "sizing/feeder_sizing.h"

namespace tolvane {

struct Forms;
class TForm1;

// The feeder of row ny1 (none when the row holds no feeder), or every feeder.
std::vector<FeederRange> feedersToSize(const TForm1& form, bool everyFeeder);

// Sizes the feeders in `family` (null: each run's own by its cable).
SizingPlan planSheetSizing(const Forms& forms, const std::vector<FeederRange>& feeders, const CableFamily* family);

// Writes the sized feeders into the sheet; their cables carry R and X of the
// sheet's frequency, which is then locked as after "登録".
void applySheetSizing(TForm1& form, const SizingPlan& plan);

}  // namespace tolvane
