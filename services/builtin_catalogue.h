#pragma once

// The catalogue the hidden service lists hold before the list files are
// loaded; a list whose file fails to load keeps these rows.
namespace qlmr {

struct CatalogueRow {
    const char* displayName;  // UTF-8, Russian name with the English one in brackets
    const char* systemName;   // Service Control Manager name and registry key
    const char* hostProcess;  // executable file name as Task Manager shows it
};

constexpr int kBuiltinCatalogueSize = 91;

// Indexed by catalogue index; the shipped list files hold the same rows.
extern const CatalogueRow kBuiltinCatalogue[kBuiltinCatalogueSize];

struct HiddenState;
// Fills the three hidden catalogue lists with the built-in catalogue.
void loadBuiltinCatalogue(HiddenState& state);

}  // namespace qlmr
