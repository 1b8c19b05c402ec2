// The catalogue of 600 V wires and cables: one family table per family button
// of the cable window. Every value is text, as the catalogue grid holds it.
#pragma once

#include <span>
#include <string_view>

namespace tolvane {

struct CatalogueRow {
    std::string_view designation;    // 配線種類: the text the lookup key is compared with
    std::string_view outerDiameter;  // 仕上外径 [mm]; flat cables "6.2x9.4"
    std::string_view section;        // 仕上断面積 [mm²]
    std::string_view allowable;      // 許容電流 [A] as loaded; empty for CV and CVT
    std::string_view weight;         // 重量 [kg/km]
    // CV and CVT only: allowable current per laying condition [A].
    std::string_view inAir = {};     // 気中暗渠布設, base 40 °C
    std::string_view inConduit = {};  // 気中暗渠 (管路内布設), base 40 °C
    std::string_view buried = {};    // 埋設管路布設, base 25 °C
};

enum class CatalogueTable { IV, CV, CVT, FP, VvfVv };

std::span<const CatalogueRow> IvCatalogue();
std::span<const CatalogueRow> CvCatalogue();
std::span<const CatalogueRow> CvtCatalogue();
std::span<const CatalogueRow> FpCatalogue();
std::span<const CatalogueRow> VvfVvCatalogue();

std::span<const CatalogueRow> CatalogueRows(CatalogueTable table);

}  // namespace tolvane
