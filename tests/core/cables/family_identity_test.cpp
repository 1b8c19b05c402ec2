// Which family a row's cable comes from, when several families write its
// designation: the one whose hand-back reproduces the row's allowable current
// and impedance for its installation method and frequency.
#include <gtest/gtest.h>

#include <string>

#include "cables/family_identity.h"
#include "cables/installation.h"
#include "sizing/cable_offers.h"

namespace tolvane {
namespace {

using Result = FamilyIdentity::Result;

struct IdentityCase {
    const char* what;
    StoredCable cable;
    Result result;
    std::vector<int> families;  // by their number in the family list (0: the typed-only flat EM-FP)
};

// In conduit on a 単相2線 feeder at 60 Hz, "CV5.5゜" hands back: family 3
// (single-core 俵積み) 50 A, R 4.25, X 0.145; 4 (single-core 平積) 50 A, X 0.215;
// 5 (2-, 3-core) 41 A, R 4.34, X 0.11; 6 (4-core) 35 A, X 0.119. At cosθ 0.95
// their Z are 4.083, 4.105, 4.157 and 4.160. IV2.0mm: families 7 and 8,
// 24 A, R 6.54, X 0.115 and 0.133 (Z 6.249 and 6.255 at 0.95).
const IdentityCase kCases[] = {
    {"the multi-core CV of the report", {"CV5.5゜", "41", "4.157", "0.95", std::nullopt, std::nullopt}, Result::Identified, {5}},
    {"single-core 俵積み", {"CV5.5゜", "50", "4.083", "0.95", std::nullopt, std::nullopt}, Result::Identified, {3}},
    {"the same current, the impedance decides", {"CV5.5゜", "50", "4.105", "0.95", std::nullopt, std::nullopt}, Result::Identified, {4}},
    {"chosen under another grouping factor", {"CV5.5゜", "33", "4.157", "0.95", std::nullopt, std::nullopt}, Result::Identified, {5}},
    {"a stale impedance, blanks in the designation", {"CV 5.5゜", "41", "9.999", "0.95", std::nullopt, std::nullopt}, Result::Identified, {5}},
    {"R and X kept", {"CV5.5゜", "", "", "", std::string("4.34"), std::string("0.119")}, Result::Identified, {6}},
    {"only the current, shared by two", {"CV5.5゜", "50", "", "0.95", std::nullopt, std::nullopt}, Result::Ambiguous, {3, 4}},
    {"nothing stored", {"CV5.5゜", "", "", "0.95", std::nullopt, std::nullopt}, Result::Ambiguous, {3, 4, 5, 6}},
    {"numbers of no family", {"CV5.5゜", "99", "1.000", "0.95", std::nullopt, std::nullopt}, Result::Ambiguous, {3, 4, 5, 6}},
    {"IV in contact", {"IV2.0mm", "24", "6.249", "0.95", std::nullopt, std::nullopt}, Result::Identified, {7}},
    {"at cosθ 1 the reactance does not show", {"IV2.0mm", "24", "6.540", "1", std::nullopt, std::nullopt}, Result::Ambiguous, {7, 8}},
    {"a designation one family writes", {"CV-T38゜", "", "", "", std::nullopt, std::nullopt}, Result::Identified, {1}},
    {"no family writes it", {"XYZ", "41", "4.157", "0.95", std::nullopt, std::nullopt}, Result::None, {}},
    {"no cable", {"", "", "", "", std::nullopt, std::nullopt}, Result::None, {}},
};

TEST(FamilyIdentity, FindsTheFamilyWhoseHandBackReproducesTheRow)
{
    CableOffers offers{Tdensen()};
    CableCaller caller;
    caller.patt = 1;
    caller.method = std::string(kMethodConduit);
    caller.feederSystem = "単相2線";
    caller.frequency = 60;
    for (const IdentityCase& c : kCases) {
        SCOPED_TRACE(c.what);
        const FamilyIdentity identity = identifyFamily(c.cable, caller, offers);
        EXPECT_EQ(identity.result, c.result);
        std::vector<int> numbers;
        for (const FamilyChoice& f : identity.families) numbers.push_back(f.family->number);
        EXPECT_EQ(numbers, c.families);
        if (const FamilyChoice* found = identity.identified()) {
            std::string written = c.cable.designation;
            std::erase(written, ' ');
            EXPECT_EQ(found->type + found->size, written);
        }
    }
}

}  // namespace
}  // namespace tolvane
