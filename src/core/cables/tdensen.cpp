#include "cables/tdensen.h"

#include <algorithm>
#include <cmath>

#include "cables/corrections.h"
#include "cables/installation.h"
#include "cables/lookup_key.h"
#include "host/host.h"
#include "text/numbers.h"

namespace tolvane {
namespace {

// Impedance grid: two heading rows, then one row per entry of the family.
constexpr int kFirstSizeRow = 2;
constexpr const char* kImpedanceHeadings[2][5] = {
    {"  公称断面積", "  交流導体抵抗", "    リアクタンス", "  交流導体抵抗", "    リアクタンス"},
    {"      (mm2)", "  50Hz  (Ω/km)", "  50Hz (Ω/km)", "  60Hz (Ω/km)", "  60Hz (Ω/km)"},
};
constexpr const char* kCatalogueHeadings[] = {"配線種類", "仕上外径", "仕上断面積", "許容電流", "重量Kg/Km"};
constexpr int kCurrentColumn = 3;  // the catalogue column the lookup reads

constexpr std::string_view kCaptionInAir = "許容電流(気中40℃)";

std::vector<std::string> temperatureItems(int from, int to)
{
    std::vector<std::string> items;
    for (int t = from; t <= to; t += 5) items.push_back(std::to_string(t));
    return items;
}

template <class Range>
std::vector<std::string> texts(const Range& range)
{
    return std::vector<std::string>(std::begin(range), std::end(range));
}

}  // namespace

Tdensen::Tdensen()
    : ComboBox11Items(texts(FamilyListItems())),
      ComboBox2Items(temperatureItems(20, 90)),
      ComboBox1Items(temperatureItems(30, 60)),
      ComboBox5Items(texts(kTierItems)),
      ComboBox4Items(CablesPerTierList("1", "S=d")),
      ComboBox6Items(texts(kSpacingItems))
{
    Label22 = "0";
}

// --- Activation and closing -------------------------------------------------

void Tdensen::FormActivate(const CableCaller& from)
{
    caller = from;
    handBack.reset();
    cableChosen = false;
    closeRequested = false;
    patt = from.patt;

    for (int c = 0; c < 5; ++c) StringGrid2.setCell(c, 0, kCatalogueHeadings[c]);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 5; ++c) StringGrid7.setCell(c, r, kImpedanceHeadings[r][c]);

    Panel1Visible = false;
    RadioButton8 = false;
    RadioButton8Visible = RadioButton9Visible = RadioButton10Visible = false;

    // The installation method decides the one laying condition shown and
    // whether cables can be grouped.
    if (auto laying = LayingOfMethod(from.method)) {
        if (laying->radioButton == 8) RadioButton8Visible = true;
        if (laying->radioButton == 9) RadioButton9Visible = true;
        if (laying->radioButton == 10) RadioButton10Visible = true;
        selectRadioButton(laying->radioButton);
        Panel1Visible = laying->grouping;
        if (!laying->grouping) Edit1 = "1.00";
    }

    selectRadioButton(1);

    Button1Click();
    Button2Click();
    Button3Click();
}

void Tdensen::FormCloseBox() { closeRequested = true; }

// --- Family display -----------------------------------------------------------

void Tdensen::ComboBox11Change() { Button1Click(); }

void Tdensen::Button1Click()
{
    Panel21Visible = true;
    ComboBox3Items.clear();
    ComboBox3.clear();

    std::span<const ImpedanceEntry> entries;
    std::string note;
    // Found before the loads run: the CVT load puts the first family's name
    // into the list.
    if (const CableFamily* family = FindCableFamily(ComboBox11)) {
        entries = family->entries;
        note = family->note;
        ComboBox3Items = texts(family->types);
        ComboBox3 = ComboBox3Items.front();
        switch (family->catalogue) {
        case CatalogueTable::IV:
            // The IV currents follow what the conduit panel shows, so that
            // its ambient temperature is never shown beside 30 °C values.
            Button8Click();
            RadioButton1Click();
            break;
        case CatalogueTable::CV: Button9Click(); break;
        case CatalogueTable::CVT: Button10Click(); break;
        case CatalogueTable::FP: Button12Click(); break;
        case CatalogueTable::VvfVv: Button16Click(); break;
        }
        showCorrectionPanel(family->panel);
    }
    Label166 = note;

    for (int row = kFirstSizeRow; row < StringGrid7.rowCount(); ++row) {
        StringGrid7.clearRow(row);
        std::size_t entry = row - kFirstSizeRow;
        if (entry >= entries.size()) continue;
        const ImpedanceEntry& e = entries[entry];
        StringGrid7.setCell(0, row, std::string(e.size));
        StringGrid7.setCell(1, row, std::string(e.r50));
        StringGrid7.setCell(2, row, std::string(e.x50));
        StringGrid7.setCell(3, row, std::string(e.r60));
        StringGrid7.setCell(4, row, std::string(e.x60));
    }
}

void Tdensen::showCorrectionPanel(CorrectionPanel panel)
{
    Panel3Visible = panel == CorrectionPanel::IvConduit;
    Panel5Visible = panel == CorrectionPanel::Laying;
}

// --- Catalogue loads ----------------------------------------------------------

void Tdensen::loadCatalogue(std::span<const CatalogueRow> rows, int kind)
{
    densen = kind;
    StringGrid2.setRowCount(static_cast<int>(rows.size()) + 1);
    int r = 1;
    for (const CatalogueRow& row : rows) {
        StringGrid2.clearRow(r);
        std::string_view cells[] = {row.designation, row.outerDiameter, row.section, row.allowable,
                                    row.weight,      row.inAir,         row.inConduit, row.buried};
        for (int c = 0; c < 8; ++c) StringGrid2.setCell(c, r, std::string(cells[c]));
        ++r;
    }
}

void Tdensen::Button8Click()
{
    Panel3Visible = true;
    ComboBox1Visible = true;
    Panel5Visible = false;
    ComboBox2Visible = false;
    loadCatalogue(IvCatalogue(), 0);
}

void Tdensen::Button9Click()
{
    Panel3Visible = false;
    ComboBox1Visible = false;
    Panel5Visible = true;
    ComboBox2Visible = true;
    loadCatalogue(CvCatalogue(), 1);
    Button4Click();
}

void Tdensen::Button10Click()
{
    Radio = 0;
    Panel3Visible = false;
    ComboBox1Visible = false;
    Panel5Visible = true;
    ComboBox2Visible = true;
    loadCatalogue(CvtCatalogue(), 2);
    Button4Click();
    ComboBox11 = ComboBox11Items.front();
}

void Tdensen::Button12Click()
{
    Panel3Visible = false;
    Panel5Visible = false;
    ComboBox1Visible = false;
    loadCatalogue(FpCatalogue(), 0);
    Label17Visible = Label18Visible = true;
    Label17 = kCaptionInAir;
    Label18 = "定格600V 75℃";
}

void Tdensen::Button16Click()
{
    Panel3Visible = false;
    Panel5Visible = false;
    ComboBox1Visible = false;
    loadCatalogue(VvfVvCatalogue(), 0);
    Label17Visible = Label18Visible = true;
    Label17 = kCaptionInAir;
    Label18 = "定格600V 60℃";
}

// --- Corrections --------------------------------------------------------------

bool* Tdensen::radioButton(int n)
{
    bool* buttons[] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4, &RadioButton5,
                       &RadioButton6, &RadioButton7, &RadioButton8, &RadioButton9, &RadioButton10};
    if (n < 1 || n > 10) return nullptr;
    return buttons[n - 1];
}

void Tdensen::selectRadioButton(int n)
{
    bool* button = radioButton(n);
    if (!button || *button) return;
    // Buttons 1-7 (wire count) and 8-10 (laying condition) are two groups.
    int first = n <= 7 ? 1 : 8;
    int last = n <= 7 ? 7 : 10;
    for (int i = first; i <= last; ++i) *radioButton(i) = false;
    *button = true;
    if (n <= 7)
        RadioButton1Click();
    else if (n == 9 || n == 10)
        Button4Click();
}

void Tdensen::Button4Click()
{
    const LayingCondition* condition = nullptr;
    for (const auto& c : LayingConditions())
        if (*radioButton(c.radioButton)) condition = &c;
    if (condition) {
        Label12 = condition->baseCaption;
        // A new laying condition starts again from its base temperature.
        if (Radio != condition->radio) ComboBox2 = formatShortest(condition->baseTemperature);
        Radio = condition->radio;
    }

    int rows = densen == 1 ? static_cast<int>(CvCatalogue().size())
             : densen == 2 ? static_cast<int>(CvtCatalogue().size())
                           : 0;
    if (rows == 0) return;

    if (!condition) {
        // Without a laying condition no column applies: no current can be read.
        for (int r = 1; r <= rows; ++r) StringGrid2.setCell(kCurrentColumn, r, "");
        return;
    }

    auto factorAt = [&](const std::string& text) -> std::optional<double> {
        auto ambient = tryParseDecimal(text);
        if (!ambient) return std::nullopt;
        return TemperatureFactor(*ambient, condition->baseTemperature, kCvMaxConductorTemperature);
    };
    auto k = factorAt(ComboBox2);
    if (!k) {
        inform(kBadLayingAmbient);
        // The list goes back to the temperature the currents are computed
        // for, so that what is shown is what is handed back.
        ComboBox2 = acceptedLayingAmbient_;
        k = factorAt(ComboBox2);
        if (!k) return;
    }
    acceptedLayingAmbient_ = ComboBox2;
    for (int r = 1; r <= rows; ++r) {
        auto base = tryParseDecimal(StringGrid2.cell(condition->column, r));
        StringGrid2.setCell(kCurrentColumn, r, base ? RoundedAmperes(*base * *k) : "");
    }
}

void Tdensen::RadioButton1Click()
{
    auto factorAt = [](const std::string& text) -> std::optional<double> {
        auto ambient = tryParseDecimal(text);
        if (!ambient) return std::nullopt;
        return TemperatureFactor(*ambient, kIvBaseTemperature, kIvMaxConductorTemperature);
    };
    auto kt = factorAt(ComboBox1);
    if (!kt) {
        inform(kBadConduitAmbient);
        ComboBox1 = acceptedConduitAmbient_;
        kt = factorAt(ComboBox1);
        if (!kt) return;
    }
    acceptedConduitAmbient_ = ComboBox1;

    // Start again from the three-wire, 30 °C values.
    Button8Click();
    double f = 0;
    for (const auto& w : WireCounts())
        if (*radioButton(w.radioButton)) f = w.factor;
    int rows = static_cast<int>(IvCatalogue().size());
    for (int r = 1; r <= rows; ++r) {
        auto value = tryParseDecimal(StringGrid2.cell(kCurrentColumn, r));
        if (value) StringGrid2.setCell(kCurrentColumn, r, RoundedAmperes(*value * f * *kt / kIvTableWireFactor));
    }
}

void Tdensen::Button3Click()
{
    std::string code = ComboBox5 + ComboBox4 + ComboBox6;
    Caption = code;
    Edit1 = formatShortest(GroupingFactor(code));
    ActiveControl = "StringGrid7";
}

void Tdensen::ComboBox5Click()
{
    ComboBox4Items = CablesPerTierList(ComboBox5, ComboBox6);
    ComboBox4 = ComboBox4Items.empty() ? std::string() : ComboBox4Items.front();
    Button3Click();
    ActiveControl = "StringGrid7";
}

void Tdensen::ComboBox6Click() { ComboBox5Click(); }

// --- Lookup and hand-back -----------------------------------------------------

std::optional<double> Tdensen::factor() const
{
    if (!hasValue(Edit1)) return 1.0;
    auto f = tryParseDecimal(Edit1);
    if (!f || !std::isfinite(*f) || *f < 0) return std::nullopt;
    return f;
}

std::optional<double> Tdensen::catalogueCurrent() const
{
    if (uy2 == 0) return std::nullopt;
    return tryParseDecimal(StringGrid2.cell(kCurrentColumn, uy2));
}

void Tdensen::Button2Click()
{
    if (caller.method == kMethodBuried) {
        // The ground temperature follows the burial depth.
        ComboBox2 = caller.depth == kBurialDepths[0] ? "30" : ComboBox2Items.front();
        Button4Click();
        Edit1 = "1.00";
    }

    Edit10 = LookupSize(ComboBox11, StringGrid7.cell(0, uyy7));
    std::string key = LookupKey(ComboBox11, ComboBox3, Edit10, caller.feederSystem);
    Caption = key;

    uy2 = 0;
    for (int r = 0; r < StringGrid2.rowCount(); ++r)
        if (StringGrid2.cell(0, r) == key) uy2 = r;
    StringGrid2Row = StringGrid2TopRow = std::max(uy2, 1);

    auto f = factor();
    if (!f) {
        inform(kBadFactor);
        return;
    }
    Label22 = TruncatedAmperes(*f * catalogueCurrent().value_or(0));
}

void Tdensen::StringGrid7MouseMove(int col, int row)
{
    ux7 = col;
    uy7 = row;
}

void Tdensen::StringGrid7Click()
{
    uyy7 = uy7;
    Button2Click();
}

std::optional<CableHandBack> Tdensen::StringGrid7DblClick()
{
    // The double-click's first click has picked the row; make sure the lookup
    // belongs to the row under the pointer.
    if (uyy7 != uy7) StringGrid7Click();

    if (uy2 == 0 || uy7 < kFirstSizeRow || !hasValue(StringGrid7.cell(0, uy7))) {
        inform(kNotInTable);
        return std::nullopt;
    }
    auto f = factor();
    if (!f) {
        inform(kBadFactor);
        return std::nullopt;
    }
    auto current = catalogueCurrent();
    if (!current) {
        inform(kNoCurrent);
        return std::nullopt;
    }

    bool at50Hz = caller.frequency == 50;
    CableHandBack back;
    back.cable = ComboBox3 + Edit10;
    back.r = StringGrid7.cell(at50Hz ? 1 : 3, uy7);
    back.x = StringGrid7.cell(at50Hz ? 2 : 4, uy7);
    back.allowable = RoundedAmperes(*f * *current);
    back.size = WithoutLastCharacter(Edit10);

    cableChosen = true;
    handBack = back;
    closeRequested = true;
    return back;
}

// --- For the entry forms and scripted use -------------------------------------

void Tdensen::selectFirstFamily() { ComboBox11 = ComboBox11Items.front(); }

int Tdensen::sizeRow(std::string_view size) const
{
    for (int r = kFirstSizeRow; r < StringGrid7.rowCount(); ++r)
        if (hasValue(StringGrid7.cell(0, r)) && StringGrid7.cell(0, r) == size) return r;
    return 0;
}

void Tdensen::clickSizeRow(int row)
{
    StringGrid7MouseMove(0, row);
    StringGrid7Click();
}

void Tdensen::inform(std::string_view text) const
{
    if (host) host->inform(text);
}

}  // namespace tolvane
