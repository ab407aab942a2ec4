#include "services/builtin_catalogue.h"

namespace qlmr {

// The rows come from data/catalogue.tsv, the one source of the catalogue; the
// build writes them into builtin_catalogue_rows.h. They are sorted by display
// name, Cyrillic names first. The odd values are deliberate and must stay as
// they are: rows 3/4 and 39/54 share a system name, row 36 names
// "svchost.exe.exe", and rows 45 and 51 spell SNMP as "SMNP", exactly as the
// shipped list files do.
const CatalogueRow kBuiltinCatalogue[kBuiltinCatalogueSize] = {
#include "builtin_catalogue_rows.h"
};

}  // namespace qlmr
