#include <gtest/gtest.h>

#include <cmath>

#include "sheet/tree_marks.h"
#include "shortcircuit/short_circuit.h"
#include "core/shortcircuit/sheet_rows.h"

namespace tolvane {
namespace {

using testing::sheetOf;

TransformerBank bank(const char* name, BankPhases phases, const char* voltage, const char* kva, const char* z,
                     const char* r)
{
    TransformerBank b;
    b.name = name;
    b.phases = phases;
    b.voltage = voltage;
    b.kva = kva;
    b.percentZ = z;
    b.percentR = r;
    return b;
}

const TransformerBank kThree500 = bank("T1", BankPhases::Three, "210", "500", "4.5", "1.2");
const TransformerBank kThree500At420 = bank("T4", BankPhases::Three, "420", "500", "4.5", "1.2");
const TransformerBank kSingle100 = bank("L1", BankPhases::Single, "210", "100", "2.5", "1.3");

SupplyConditions supplyOf(std::vector<TransformerBank> banks)
{
    SupplyConditions s;
    s.banks = std::move(banks);
    return s;
}

// Columns of the single-row sheets below.
const std::vector<int> kColumns = {col::No,     col::Name,  col::System,     col::Voltage, col::Breaker,
                                             col::Mark,   col::Length, col::MainDevice, col::Cable,   col::BankName,
                                             col::BreakerIcu, col::MainIcu};

constexpr double kHalfDigit = 0.005;  // the figures have two decimals

TEST(ShortCircuit, ThreePhaseBankBusAndCable)
{
    const Sheet sheet = sheetOf(kColumns, {"1|F1|三相3線|200|400|──▶|50|400|CV-T150゜||30|10"});
    const ShortCircuitResult result = computeShortCircuit(sheet, supplyOf({kThree500}), 60);
    ASSERT_EQ(result.rows.size(), 1u);
    const ShortCircuitRow& row = result.rows[0];
    ASSERT_TRUE(row.computed()) << row.reason;
    EXPECT_EQ(row.bank, "T1");
    EXPECT_NEAR(*row.start.threePhase, 28.41, kHalfDigit);
    EXPECT_FALSE(row.start.lineToNeutral);
    EXPECT_NEAR(row.start.checked, 28.41, kHalfDigit);
    EXPECT_NEAR(row.xOverR, 3.91, kHalfDigit);
    EXPECT_NEAR(row.kappa, 1.475, 0.0005);
    EXPECT_NEAR(row.peakKa, 59.25, kHalfDigit);
    // CV-T 150 at 60 Hz: 0.16 Ω/km at 90 °C is 0.1255 at 20 °C, X 0.102.
    EXPECT_NEAR(row.end.checked, 10.28, kHalfDigit);
    EXPECT_NEAR(row.minimumSection, 36.9, 0.05);
    EXPECT_EQ(row.section, 150);
    EXPECT_EQ(row.cableCheck, CheckState::Passed);
    EXPECT_EQ(row.breakerRequired, "30");
    EXPECT_EQ(row.breakerCheck, CheckState::Passed);
    EXPECT_EQ(row.mainRequired, "15");
    EXPECT_EQ(row.mainCheck, CheckState::Failed);
    EXPECT_EQ(row.judgement, "×：主幹器具の遮断容量不足");
    EXPECT_TRUE(result.anyFailed());
}

TEST(ShortCircuit, FaultsOfEachSystemAtTheBus)
{
    struct Case {
        const char* row;
        std::vector<TransformerBank> banks;
        std::optional<double> threePhase, lineToLine, lineToNeutral;
        const char* bank;
    };
    const Case cases[] = {
        // A delta-star bank's line-to-neutral fault at its terminals exceeds the three-phase one.
        {"1|F|三相4線|230/400||──▶||||", {kThree500At420}, 14.21, {}, 14.55, "T4"},
        {"1|F|単相3線|100/200||──▶||||", {kSingle100}, {}, 18.17, 28.58, "L1"},
        {"1|F|単相2線|100||──▶||||", {kSingle100}, {}, {}, 28.58, "L1"},
        {"1|F|単相2線|200||──▶||||", {kSingle100}, {}, 18.17, {}, "L1"},
        // Between two lines of a 三相 bank: V / (2|Z|) = √3/2 of the three-phase current.
        {"1|F|単相2線|200||──▶||||", {kThree500}, {}, 24.61, {}, "T1"},
        // An empty bank cell takes a 単相 bank before a 三相 one for 単相2線 200 V.
        {"1|F|単相2線|200||──▶||||", {kThree500, kSingle100}, {}, 18.17, {}, "L1"},
        // A named bank wins.
        {"1|F|単相2線|200||──▶||||T1", {kSingle100, kThree500}, {}, 24.61, {}, "T1"},
    };
    for (const Case& c : cases) {
        const Sheet sheet = sheetOf(kColumns, {c.row});
        const ShortCircuitResult result = computeShortCircuit(sheet, supplyOf(c.banks), 60);
        ASSERT_EQ(result.rows.size(), 1u) << c.row;
        const ShortCircuitRow& row = result.rows[0];
        ASSERT_TRUE(row.computed()) << c.row << ": " << row.reason;
        EXPECT_EQ(row.bank, c.bank) << c.row;
        auto same = [&](const std::optional<double>& got, const std::optional<double>& want, const char* what) {
            ASSERT_EQ(got.has_value(), want.has_value()) << c.row << " " << what;
            if (want) {
                EXPECT_NEAR(*got, *want, kHalfDigit) << c.row << " " << what;
            }
        };
        same(row.start.threePhase, c.threePhase, "three-phase");
        same(row.start.lineToLine, c.lineToLine, "line-to-line");
        same(row.start.lineToNeutral, c.lineToNeutral, "line-to-neutral");
        EXPECT_EQ(row.start.checked, std::max({row.start.threePhase.value_or(0), row.start.lineToLine.value_or(0),
                                               row.start.lineToNeutral.value_or(0)}));
        // A row without a cable of its own ends where it starts and has nothing to judge.
        EXPECT_EQ(row.end.checked, row.start.checked);
        EXPECT_EQ(row.judgement, kJudgementNone);
    }
}

// %R empty and an infinite bus: the bus loop is a pure reactance (κ = 2,
// whose offset does not decay: m = 2), the larger current the document warns of.
TEST(ShortCircuit, PureReactanceAtTheBus)
{
    TransformerBank b = kThree500;
    b.percentR.clear();
    b.hvKa.clear();
    const Sheet sheet = sheetOf(kColumns, {"1|F1|三相3線|200|400|──▶|50|400|CV-T150゜|||"});
    const ShortCircuitRow row = computeShortCircuit(sheet, supplyOf({b}), 60).rows.at(0);
    ASSERT_TRUE(row.computed()) << row.reason;
    EXPECT_NEAR(row.start.checked, 30.55, kHalfDigit);
    EXPECT_DOUBLE_EQ(row.kappa, 2.0);
    EXPECT_TRUE(std::isinf(row.xOverR));
    EXPECT_NEAR(row.minimumSection, 55.28, kHalfDigit);
    EXPECT_EQ(row.cableCheck, CheckState::Passed);
}

TEST(ShortCircuit, SingleBankAfterACable)
{
    const Sheet sheet = sheetOf(kColumns, {"1|F1|単相3線|100/200|100|──▶|30|100|CV-T38゜|||"});
    const ShortCircuitResult result = computeShortCircuit(sheet, supplyOf({kSingle100}), 60);
    const ShortCircuitRow& row = result.rows.at(0);
    ASSERT_TRUE(row.computed()) << row.reason;
    EXPECT_NEAR(*row.end.lineToLine, 5.38, kHalfDigit);
    EXPECT_NEAR(*row.end.lineToNeutral, 3.17, kHalfDigit);
    EXPECT_NEAR(row.end.checked, 5.38, kHalfDigit);
    // Empty Icu: not judged, but the required values show.
    EXPECT_EQ(row.breakerCheck, CheckState::NotJudged);
    EXPECT_EQ(row.breakerRequired, "30");
    EXPECT_EQ(row.mainRequired, "7.5");
    EXPECT_FALSE(result.anyFailed());
}

// A 単相3線 dwelling feeder with two systems on the 100 kVA bank, worked by
// hand: head 20 m CV-T 38, branch point 5 m CV-T 22; system 1: branch 3 m
// CV-T 14, segment 4 m CV-T 14, last branch without a cable of its own;
// system 2 from the end of the head run: segment 6 m CV-T 22, last branch
// 8 m VVF 2.0-3C. Currents are the larger of line-to-line and
// line-to-neutral.
TEST(ShortCircuit, DwellingFeederWithTwoSystems)
{
    const Sheet sheet = sheetOf(
        {col::No, col::Name, col::System, col::Voltage, col::Breaker, col::Mark, col::Length, col::MainDevice,
         col::Cable, col::SystemNo, col::BreakerIcu, col::MainIcu},
        {"1|F1|単相3線|100/200|150|-─▶┌|20|150|CV-T38゜||30|5", "|||||┌┌┘|5||CV-T22゜|1||",
         "|||||│├▶|3|50|CV-T14゜|1||5", "|||||││|4||CV-T14゜|1||", "|||||│└▶||50||1||10",
         "|||||│　|6||CV-T22゜|2||", "|||||└─▶|8|30|VVF2.0-3C|2||2.5"});
    const ShortCircuitResult result = computeShortCircuit(sheet, supplyOf({kSingle100}), 60);
    ASSERT_EQ(result.rows.size(), 7u);
    struct Expect {
        double startKa, endKa, minimumSection;
        CheckState breaker, main, cable;
        const char* judgement;
    };
    using enum CheckState;
    const Expect expect[] = {
        {28.58, 7.17, 32.79, Passed, Failed, Passed, "×：主幹器具の遮断容量不足"},
        {7.17, 5.62, 7.90, NotJudged, NotJudged, Passed, "〇"},
        {5.62, 4.66, 6.18, NotJudged, Passed, Passed, "〇"},
        {5.62, 4.41, 6.18, NotJudged, NotJudged, Passed, "〇"},
        {4.41, 4.41, 0, NotJudged, Passed, NotJudged, "〇"},
        {7.17, 5.38, 7.90, NotJudged, NotJudged, Passed, "〇"},
        {5.38, 1.65, 8.23, NotJudged, Passed, Failed, "×：ケーブルの短絡耐量不足"},
    };
    for (int i = 0; i < 7; ++i) {
        const ShortCircuitRow& row = result.rows[static_cast<std::size_t>(i)];
        const Expect& e = expect[i];
        ASSERT_TRUE(row.computed()) << i << ": " << row.reason;
        EXPECT_EQ(row.row, i);
        EXPECT_EQ(row.system, "単相3線") << i;  // the head's system on every row
        EXPECT_EQ(row.feederHead, i == 0) << i;
        EXPECT_NEAR(row.start.checked, e.startKa, kHalfDigit) << i;
        EXPECT_NEAR(row.end.checked, e.endKa, kHalfDigit) << i;
        EXPECT_NEAR(row.minimumSection, e.minimumSection, kHalfDigit) << i;
        EXPECT_EQ(row.breakerCheck, e.breaker) << i;
        EXPECT_EQ(row.mainCheck, e.main) << i;
        EXPECT_EQ(row.cableCheck, e.cable) << i;
        EXPECT_EQ(row.judgement, e.judgement) << i;
    }
    EXPECT_NEAR(result.rows[6].section, 3.1416, 1e-4);  // a solid 2.0 mm wire: π/4·d²
    EXPECT_EQ(result.rows[0].mainRequired, "7.5");
}

TEST(ShortCircuit, RowsThatAreNotComputedSayWhy)
{
    struct Case {
        std::vector<std::string> rows;
        std::vector<TransformerBank> banks;
        int frequency;
        std::vector<std::string> reasons;  // per row; "" computed
    };
    const Case cases[] = {
        {{"1|F|直流2線|100||──▶|||"}, {kThree500}, 60, {"対象外"}},
        {{"1|F|三相3線|200||──▶|10||XYZ38"}, {kThree500}, 60, {"ケーブル「XYZ38」が電線・ケーブル表にありません"}},
        {{"1|F|三相3線|200||──▶|10||"}, {kThree500}, 60, {"ケーブルが選ばれていません"}},
        // Four CV families (single-core laid two ways, multi-core) write "CV22゜"; a row that
        // keeps no allowable current or impedance cannot say which.
        {{"1|F|三相3線|200||──▶|10||CV22゜"}, {kThree500}, 60, {"ケーブル「CV22゜」がどの系列か特定できません（4系列の候補）"}},
        {{"1|F|三相3線|200||──▶|ab||CV-T38゜"}, {kThree500}, 60, {"こう長「ab」が数値ではありません"}},
        {{"1|F|三相3線|200||──▶|||"}, {}, 60, {"電源条件のバンクがありません"}},
        {{"1|F|三相3線|200||──▶||||T9"}, {kThree500}, 60, {"バンク「T9」が電源条件にありません"}},
        {{"1|F|三相3線|200||──▶||||L1"}, {kSingle100}, 60, {"バンク「L1」（単相）は三相3線の幹線に使えません"}},
        {{"1|F|単相3線|100/200||──▶|||"}, {kThree500}, 60, {"単相3線に使える電源のバンクがありません"}},
        {{"1|F|単相2線|100||──▶|||"}, {kThree500}, 60, {"単相2線に使える電源のバンクがありません"}},
        {{"1|F|三相3線|200||──▶|||"}, {kThree500}, 0, {"周波数（50Hz・60Hz）が選ばれていません"}},
        {{"1|F|三相3線|200||──▶|||", "2|G|三相3線|200||──▶|||"},
         {kThree500, kThree500},
         60,
         {"バンクの名称「T1」が重複しています。", "バンクの名称「T1」が重複しています。"}},
        // A trunk run that cannot be computed leaves every row reached through it unjudged, and only those.
        {{"1|F|三相3線|200||-─▶┌|10||CV-T38゜", "|||||┌─┘|5||XYZ", "|||||├─▶|3||CV-T14゜",
          "2|G|三相3線|200||──▶|||"},
         {kThree500},
         60,
         {"", "ケーブル「XYZ」が電線・ケーブル表にありません", "上流のシート行 1 でケーブル「XYZ」が電線・ケーブル表にありません",
          ""}},
    };
    for (const Case& c : cases) {
        const Sheet sheet = sheetOf(kColumns, c.rows);
        const ShortCircuitResult result = computeShortCircuit(sheet, supplyOf(c.banks), c.frequency);
        ASSERT_EQ(result.rows.size(), c.reasons.size()) << c.rows[0];
        for (std::size_t i = 0; i < c.reasons.size(); ++i) {
            const ShortCircuitRow& row = result.rows[i];
            EXPECT_EQ(row.reason, c.reasons[i]) << c.rows[i];
            if (!row.computed()) {
                EXPECT_EQ(row.judgement, row.reason);
                EXPECT_EQ(row.start.checked, 0);
                EXPECT_FALSE(row.failed());
            }
        }
    }
}

TEST(ShortCircuit, BadIcuIsReportedOnItsRow)
{
    const Sheet sheet = sheetOf(kColumns, {"1|F1|三相3線|200|400|──▶|||||abc|"});
    const ShortCircuitResult result = computeShortCircuit(sheet, supplyOf({kThree500}), 60);
    const ShortCircuitRow& row = result.rows.at(0);
    EXPECT_EQ(row.breakerCheck, CheckState::BadInput);
    EXPECT_EQ(row.judgement, "×：遮断器のIcu「abc」が数値ではありません");
    EXPECT_TRUE(result.anyFailed());
}

TEST(ShortCircuit, RequiredIcuLadder)
{
    const std::pair<double, const char*> cases[] = {
        {0.5, "1.5"}, {1.5, "1.5"}, {1.51, "2.5"}, {7.2, "7.5"}, {35.5, "36"}, {200, "200"}, {215.3, "215.30※"},
    };
    for (const auto& [ka, text] : cases) EXPECT_EQ(requiredIcuText(ka), text) << ka;
}

TEST(ShortCircuit, InsulationConstants)
{
    const std::tuple<const char*, double, double> cases[] = {
        {"IV", 60, 97.3}, {"VVF", 60, 97.3}, {"VV", 60, 97.3},   {"EM-IE", 75, 98.7}, {"EM-EEF", 75, 98.7},
        {"EM-FP", 75, 98.7}, {"CV", 90, 135.4}, {"CV-T", 90, 135.4}, {"CE-Q", 90, 135.4},
    };
    for (const auto& [type, working, k] : cases) {
        const InsulationClass* i = insulationOf(type);
        ASSERT_NE(i, nullptr) << type;
        EXPECT_EQ(i->workingC, working) << type;
        EXPECT_NEAR(i->k(), k, 0.05) << type;
    }
    EXPECT_EQ(insulationOf("XYZ"), nullptr);
}

}  // namespace
}  // namespace tolvane
