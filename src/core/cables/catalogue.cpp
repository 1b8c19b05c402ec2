#include "cables/catalogue.h"

namespace tolvane {

std::span<const CatalogueRow> CatalogueRows(CatalogueTable table)
{
    switch (table) {
    case CatalogueTable::IV: return IvCatalogue();
    case CatalogueTable::CV: return CvCatalogue();
    case CatalogueTable::CVT: return CvtCatalogue();
    case CatalogueTable::FP: return FpCatalogue();
    case CatalogueTable::VvfVv: return VvfVvCatalogue();
    }
    return {};
}

}  // namespace tolvane
