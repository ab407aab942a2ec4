#pragma once
// The state that handlers share between them, with its sentinel texts. It lives in plain fields,
// out of reach of language files.
#include <string>
#include <vector>

#include "services/indexed_list.h"

namespace qlmr {

struct HiddenState {
    IndexedList ServiceSysName{"ServiceSysName"};
    IndexedList ServiceNameCB{"ServiceNameCB"};
    IndexedList ServiceTMName{"ServiceTMName"};
    std::string ServiceNumber;
    std::vector<std::string> ServiceRunningCB, ServiceRunningCBN;
    std::vector<std::string> ServiceRunningCBS, ServiceRunningCBSN;
    std::vector<std::string> ServiceSortTemp;
    std::string SortKind = "SortKind";
    std::string ConfigKind = "ConfigKind";
    std::string ConfigRegFileName = "ConfigRegFileName";
    std::string InitialEdit = "No";
    std::vector<std::string> RegReadListBox;
    // File names of the language files; its text is the current language file name.
    IndexedList OptLangComboBox;
    // Set by the first selection of a service; start and stop refuse to act before it.
    bool serviceChosen = false;
    // The backup selected flag.
    bool TrueCheckBox = false;
    // The start-type text shared by the whole program.
    std::string startTypeText;
};

// Fills the three hidden catalogue lists with the built-in catalogue.
void loadBuiltinCatalogue(HiddenState& state);

}  // namespace qlmr
