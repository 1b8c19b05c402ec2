#include <gtest/gtest.h>

#include <set>

#include "cables/catalogue.h"
#include "cables/impedance.h"
#include "cables/tdensen.h"

using namespace tolvane;

namespace {

const char* const kMarkU309C = "\xE3\x82\x9C";  // ゜ as the catalogue writes the size mark
const char* const kMarkUFF9F = "\xEF\xBE\x9F";  // ﾟ, only in the typed-only flat EM-FP family

const CatalogueRow& rowOf(std::span<const CatalogueRow> rows, std::string_view designation)
{
    for (const auto& r : rows)
        if (r.designation == designation) return r;
    static const CatalogueRow kNone{};
    ADD_FAILURE() << "no row " << designation;
    return kNone;
}

}  // namespace

TEST(Catalogue, FamilyTablesHaveTheirRowsAndUniqueDesignations)
{
    struct Case {
        CatalogueTable table;
        std::size_t rows;
        const char* first;
        const char* last;
    } cases[] = {
        {CatalogueTable::IV, 15, "IV 1.6mm", "IV 2.6mm"},
        {CatalogueTable::CV, 55, "CV 2  -1C", "CV 325-4C"},
        {CatalogueTable::CVT, 36, "CV-D 8", "CV-Q 500"},
        {CatalogueTable::FP, 100, "FP 2  -1C", "FP-Q 325"},
        {CatalogueTable::VvfVv, 32, "VVF 1.6-2C", "VV 325゜-3C"},
    };
    for (const auto& c : cases) {
        auto rows = CatalogueRows(c.table);
        ASSERT_EQ(rows.size(), c.rows) << c.first;
        EXPECT_EQ(rows.front().designation, c.first);
        EXPECT_EQ(rows.back().designation, c.last);
        std::set<std::string_view> seen;
        for (const auto& r : rows) {
            EXPECT_TRUE(seen.insert(r.designation).second) << "twice: " << r.designation;
            // Column 3 is given for IV, FP and VVF/VV; CV and CVT carry one current per laying condition.
            bool perCondition = c.table == CatalogueTable::CV || c.table == CatalogueTable::CVT;
            EXPECT_EQ(r.allowable.empty(), perCondition) << r.designation;
            EXPECT_EQ(r.inAir.empty(), !perCondition) << r.designation;
            EXPECT_EQ(r.buried.empty(), !perCondition) << r.designation;
            EXPECT_EQ(std::string(r.designation).find(kMarkUFF9F), std::string::npos) << r.designation;
        }
    }
}

TEST(Catalogue, DesignationsKeepTheirBlanksAndMarks)
{
    // Spot rows across the tables, with every value of the row.
    struct Case {
        CatalogueTable table;
        CatalogueRow row;
    } cases[] = {
        {CatalogueTable::IV, {"IV 2゜", "3.4", "8", "19", "28"}},
        {CatalogueTable::IV, {"IV 2.6mm", "5", "20", "34", "69"}},
        {CatalogueTable::CV, {"CV 2  -1C", "6.4", "32", "", "60", "31", "27", "27"}},
        {CatalogueTable::CV, {"CV 60 -3C", "31", "755", "", "2170", "190", "150", "170"}},
        {CatalogueTable::CVT, {"CV-T 38", "28", "380", "", "1400", "155", "110", "145"}},
        {CatalogueTable::CVT, {"CV-D 250", "57", "1197", "", "5450", "565", "345", "490"}},
        {CatalogueTable::FP, {"FP 1.2  -2C", "9.8", "75", "18", "100"}},
        {CatalogueTable::FP, {"FP 12.5  -4C", "12", "113", "15", "150"}},
        {CatalogueTable::FP, {"FP  3.5-4C", "14.5", "165", "29", "280"}},
        {CatalogueTable::FP, {"FP  60-4C", "37", "1075", "165", "2950"}},
        {CatalogueTable::FP, {"FP 100-4C", "46", "1662", "230", "4830"}},
        {CatalogueTable::VvfVv, {"VVF 2.0-2C", "6.6x10.5", "59.9", "23", "130"}},
        {CatalogueTable::VvfVv, {"VV 3.5゜-3C", "12.5", "123", "21", "220"}},
    };
    for (const auto& c : cases) {
        const CatalogueRow& r = rowOf(CatalogueRows(c.table), c.row.designation);
        EXPECT_EQ(r.outerDiameter, c.row.outerDiameter) << c.row.designation;
        EXPECT_EQ(r.section, c.row.section) << c.row.designation;
        EXPECT_EQ(r.allowable, c.row.allowable) << c.row.designation;
        EXPECT_EQ(r.weight, c.row.weight) << c.row.designation;
        EXPECT_EQ(r.inAir, c.row.inAir) << c.row.designation;
        EXPECT_EQ(r.inConduit, c.row.inConduit) << c.row.designation;
        EXPECT_EQ(r.buried, c.row.buried) << c.row.designation;
    }
    EXPECT_EQ(std::string(rowOf(IvCatalogue(), "IV 2゜").designation).substr(4), kMarkU309C);
    // A single blank before the suffix is another designation.
    for (const auto& r : CvCatalogue()) EXPECT_NE(r.designation, "CV 2 -1C");
}

TEST(Impedance, FamiliesOfferTheirTypesEntriesAndNotes)
{
    struct Case {
        int number;
        std::vector<std::string_view> types;
        std::size_t entries;
        const char* note;
        CatalogueTable table;
        CorrectionPanel panel;
    } cases[] = {
        {1, {"CV-T", "CV-D", "CE-T", "CE-D"}, 12, "(90℃)", CatalogueTable::CVT, CorrectionPanel::Laying},
        {2, {"CV-Q", "CE-Q"}, 9, "(90℃)", CatalogueTable::CVT, CorrectionPanel::Laying},
        {3, {"CV", "CE"}, 16, "(90℃)", CatalogueTable::CV, CorrectionPanel::Laying},
        {4, {"CV", "CE"}, 16, "(90℃)", CatalogueTable::CV, CorrectionPanel::Laying},
        {5, {"CV", "CE"}, 13, "(90℃)", CatalogueTable::CV, CorrectionPanel::Laying},
        {6, {"CV", "CE"}, 13, "(90℃)", CatalogueTable::CV, CorrectionPanel::Laying},
        {7, {"IV"}, 15, "", CatalogueTable::IV, CorrectionPanel::IvConduit},
        {8, {"IV"}, 15, "", CatalogueTable::IV, CorrectionPanel::IvConduit},
        {9, {"EM-IE"}, 15, "", CatalogueTable::IV, CorrectionPanel::IvConduit},
        {10, {"EM-IE"}, 15, "", CatalogueTable::IV, CorrectionPanel::IvConduit},
        {11, {"VV"}, 11, "(60℃)", CatalogueTable::VvfVv, CorrectionPanel::Laying},
        {12, {"VVF"}, 6, "(60℃)", CatalogueTable::VvfVv, CorrectionPanel::Laying},
        {13, {"VV"}, 10, "", CatalogueTable::VvfVv, CorrectionPanel::Laying},
        {14, {"EEF"}, 6, "(75℃)", CatalogueTable::VvfVv, CorrectionPanel::Laying},
        {15, {"EM-FP"}, 10, "(75℃)", CatalogueTable::FP, CorrectionPanel::Laying},
        {16, {"EM-FP"}, 10, "(75℃)", CatalogueTable::FP, CorrectionPanel::Laying},
        {17, {"EM-FPT", "EM-FPD"}, 9, "", CatalogueTable::FP, CorrectionPanel::Laying},
        {0, {"EM-FP"}, 12, "(75℃)", CatalogueTable::FP, CorrectionPanel::Laying},
    };
    ASSERT_EQ(FamilyListItems().size(), 17u);
    for (const auto& c : cases) {
        std::string_view name = c.number ? FamilyName(c.number) : kFlatFpFamily;
        const CableFamily* f = FindCableFamily(name);
        ASSERT_NE(f, nullptr) << c.number;
        EXPECT_EQ(f->number, c.number);
        EXPECT_EQ(std::vector<std::string_view>(f->types.begin(), f->types.end()), c.types) << name;
        EXPECT_EQ(f->entries.size(), c.entries) << name;
        EXPECT_EQ(f->note, c.note) << name;
        EXPECT_EQ(f->catalogue, c.table) << name;
        EXPECT_EQ(f->panel, c.panel) << name;
    }
    // The flat EM-FP is found only by its exact text and is not a list entry.
    for (auto item : FamilyListItems()) EXPECT_NE(item, kFlatFpFamily);
    EXPECT_EQ(FindCableFamily("600V EM-FP平形"), nullptr);  // half-width hyphen
    EXPECT_EQ(FindCableFamily(Tdensen::kFamilyPrompt), nullptr);
}

TEST(Impedance, EveryValueIsTakenFromItsTable)
{
    struct Case {
        std::string_view family;
        ImpedanceEntry entry;
    } cases[] = {
        {FamilyName(1), {"22゜", "1.08", "0.103", "1.08", "0.123"}},
        {FamilyName(1), {"38゜", "0.626", "0.0955", "0.626", "0.115"}},
        {FamilyName(3), {"2゜", "11.8", "0.139", "11.8", "0.167"}},
        {FamilyName(4), {"38゜", "0.613", "0.154", "0.614", "0.184"}},
        {FamilyName(7), {"2.6mm", "3.88", "0.0951", "3.88", "0.114"}},
        {FamilyName(11), {"8゜(円形圧縮)", "2.71", "0.0928", "2.71", "0.111"}},
        {FamilyName(12), {"1.6-3C", "10.3", "0.117", "10.3", "0.141"}},
        {FamilyName(13), {"14゜-3C", "1.5", "0.103", "1.5", "0.123"}},
        {FamilyName(17), {"325゜", "0.0731", "0.0823", "0.0743", "0.0988"}},
        {kFlatFpFamily, {"5.5ﾟx3", "4.05", "0.113", "4.05", "0.135"}},
    };
    for (const auto& c : cases) {
        const CableFamily* f = FindCableFamily(c.family);
        ASSERT_NE(f, nullptr);
        auto it = std::find_if(f->entries.begin(), f->entries.end(),
                               [&](const ImpedanceEntry& e) { return e.size == c.entry.size; });
        ASSERT_NE(it, f->entries.end()) << c.entry.size;
        EXPECT_EQ(it->r50, c.entry.r50) << c.entry.size;
        EXPECT_EQ(it->x50, c.entry.x50) << c.entry.size;
        EXPECT_EQ(it->r60, c.entry.r60) << c.entry.size;
        EXPECT_EQ(it->x60, c.entry.x60) << c.entry.size;
    }
    // Size marks: U+309C in the listed families, U+FF9F only in the flat EM-FP.
    for (const auto& f : CableFamilies()) {
        for (const auto& e : f.entries) {
            std::string size(e.size);
            EXPECT_EQ(size.find(kMarkUFF9F) != std::string::npos, f.number == 0 && size.find("mm") == std::string::npos)
                << size;
        }
    }
}
