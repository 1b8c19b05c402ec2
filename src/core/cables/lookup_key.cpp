#include "cables/lookup_key.h"

#include <vector>

#include "cables/impedance.h"
#include "calc/electrical_system.h"

namespace tolvane {
namespace {

struct Rename {
    std::string_view from;
    std::string_view to;
};

constexpr Rename kCatalogueTypes[] = {
    {"CE-T", "CV-T"}, {"CE-D", "CV-D"}, {"CE-Q", "CV-Q"}, {"CE", "CV"}, {"EEF", "VVF"},
};

// What is put back after the size once its last character is dropped.
struct Fill {
    std::string_view size;
    std::string_view fill;
};
// Single- and multi-core CV and FP: the size stands left-aligned in three places.
const std::vector<Fill> kCoreFill = {
    {"2゜", "  "}, {"8゜", "  "}, {"14゜", " "}, {"22゜", " "}, {"38゜", " "}, {"60゜", " "},
};
// IV: the unit of a solid wire's diameter, or the size mark.
const std::vector<Fill> kIvFill = {
    {"1.6mm", "m"}, {"2.0mm", "m"}, {"2.6mm", "m"},   {"2゜", "゜"},   {"3.5゜", "゜"},
    {"5.5゜", "゜"}, {"8゜", "゜"},    {"14゜", "゜"},  {"22゜", "゜"},  {"38゜", "゜"},
    {"60゜", "゜"},  {"100゜", "゜"},  {"150゜", "゜"}, {"200゜", "゜"}, {"250゜", "゜"},
    {"325゜", "゜"},
};
// VV 2- and 3-core: the size mark from 3.5 mm² on.
const std::vector<Fill> kVvFill = {
    {"3.5゜", "゜"}, {"5.5゜", "゜"}, {"8゜", "゜"},    {"14゜", "゜"},  {"22゜", "゜"},  {"38゜", "゜"},
    {"60゜", "゜"},  {"100゜", "゜"}, {"150゜", "゜"}, {"200゜", "゜"}, {"250゜", "゜"}, {"325゜", "゜"},
};

// Core suffix by the feeder's electrical system, for the families whose
// number of cores follows the system.
struct SystemSuffix {
    std::string_view system;
    std::string_view suffix;
};
const std::vector<SystemSuffix> kTwoOrThreeCores = {
    {kSystemSingle2, "-2C"}, {kSystemSingle3, "-3C"}, {kSystemThree3, "-3C"}};
const std::vector<SystemSuffix> kVvCores = {
    {kSystemDc2, "-2C"}, {kSystemSingle2, "-2C"}, {kSystemSingle3, "-3C"}, {kSystemThree3, "-3C"}};

struct KeyRule {
    int family;                        // family number; 0 the typed-only flat EM-FP
    std::vector<Rename> types;         // further renames of the family's types
    std::string_view suffix;           // fixed core suffix
    std::vector<SystemSuffix> bySystem;  // core suffix by system, when not fixed
    const std::vector<Fill>* fill;
};

const KeyRule kKeyRules[] = {
    {1, {}, "", {}, nullptr},
    {2, {}, "", {}, nullptr},
    {3, {}, "-1C", {}, &kCoreFill},
    {4, {}, "-1C", {}, &kCoreFill},
    {5, {}, "", kTwoOrThreeCores, &kCoreFill},
    {6, {}, "-4C", {}, &kCoreFill},
    {7, {{"EM-IE", "IV"}}, "", {}, &kIvFill},
    {8, {{"EM-IE", "IV"}}, "", {}, &kIvFill},
    {9, {{"EM-IE", "IV"}}, "", {}, &kIvFill},
    {10, {{"EM-IE", "IV"}}, "", {}, &kIvFill},
    {11, {}, "", kVvCores, &kVvFill},
    {12, {}, "C", {}, nullptr},
    {13, {}, "C", {}, nullptr},
    {14, {}, "C", {}, nullptr},
    {15, {{"EM-FP", "FP"}}, "-1C", {}, &kCoreFill},
    {16, {{"EM-FP", "FP"}}, "", kTwoOrThreeCores, &kCoreFill},
    {17, {{"EM-FPT", "FP-T"}, {"EM-FPD", "FP-D"}}, "", {}, nullptr},
    {0, {}, "", {}, nullptr},
};

const KeyRule* ruleOf(std::string_view familyName)
{
    const CableFamily* family = FindCableFamily(familyName);
    if (!family) return nullptr;
    for (const auto& rule : kKeyRules)
        if (rule.family == family->number) return &rule;
    return nullptr;
}

std::string renamed(std::string_view text, const std::vector<Rename>& renames)
{
    for (const auto& r : renames)
        if (r.from == text) return std::string(r.to);
    return std::string(text);
}

constexpr std::string_view kCompressedEight = "8゜(円形圧縮)";

}  // namespace

std::string CatalogueType(std::string_view type)
{
    for (const auto& r : kCatalogueTypes)
        if (r.from == type) return std::string(r.to);
    return std::string(type);
}

std::string LookupSize(std::string_view familyName, std::string_view size)
{
    const CableFamily* family = FindCableFamily(familyName);
    if (family && family->number == 11 && size == kCompressedEight) return "8゜";
    return std::string(size);
}

std::string WithoutLastCharacter(std::string_view text)
{
    if (text.empty()) return {};
    std::size_t end = text.size() - 1;
    // Step back over UTF-8 continuation bytes to the start of the last character.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return std::string(text.substr(0, end));
}

std::string LookupKey(std::string_view familyName, std::string_view type, std::string_view size,
                      std::string_view system)
{
    const KeyRule* rule = ruleOf(familyName);
    std::string catalogueType = CatalogueType(type);
    std::string fill;
    std::string suffix;
    if (rule) {
        catalogueType = renamed(catalogueType, rule->types);
        suffix = rule->suffix;
        for (const auto& s : rule->bySystem)
            if (s.system == system) suffix = s.suffix;
        if (rule->fill)
            for (const auto& f : *rule->fill)
                if (f.size == size) fill = f.fill;
    }
    return WithoutLastCharacter(catalogueType + " " + std::string(size)) + fill + suffix;
}

}  // namespace tolvane
