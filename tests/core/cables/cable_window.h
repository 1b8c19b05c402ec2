// The cable window as a test drives it: opened from an entry form, worked
// through its handlers like a user, with its messages recorded.
#pragma once

#include <gtest/gtest.h>

#include "cables/tdensen.h"
#include "support/recording_host.h"

namespace tolvane::testing {

struct Opening {
    std::string method = "気中暗渠配線";
    std::string system = "単相3線";
    int frequency = 60;
    std::string depth = "H=600";
    int patt = 1;
};

class CableWindow {
public:
    RecordingHost host;
    Tdensen w;

    CableWindow() { w.host = &host; }

    void open(const Opening& o = {})
    {
        CableCaller caller;
        caller.patt = o.patt;
        caller.method = o.method;
        caller.depth = o.depth;
        caller.feederSystem = o.system;
        caller.frequency = o.frequency;
        w.FormActivate(caller);
    }

    void family(std::string_view name)
    {
        w.ComboBox11 = std::string(name);
        w.ComboBox11Change();
    }
    void family(int number) { family(FamilyName(number)); }

    // Clicks the impedance-grid row of a size; fails the test when the family has none.
    void click(std::string_view size)
    {
        int row = w.sizeRow(size);
        ASSERT_NE(row, 0) << "no size row " << size;
        w.clickSizeRow(row);
    }

    std::optional<CableHandBack> pick(std::string_view size)
    {
        click(size);
        return w.StringGrid7DblClick();
    }

    void grouping(std::string tiers, std::string perTier, std::string spacing)
    {
        w.ComboBox5 = std::move(tiers);
        w.ComboBox5Click();
        w.ComboBox6 = std::move(spacing);
        w.ComboBox6Click();
        w.ComboBox4 = std::move(perTier);
        w.ComboBox4Click();
    }

    // Column 3 of the catalogue row of a designation ("?" when the loaded table has none).
    std::string current(std::string_view designation) const
    {
        for (int r = 1; r < w.StringGrid2.rowCount(); ++r)
            if (w.StringGrid2.cell(0, r) == designation) return w.StringGrid2.cell(3, r);
        return "?";
    }
};

}  // namespace tolvane::testing
