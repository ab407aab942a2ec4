#pragma once
// The state that handlers share between them. It lives in plain fields, out of reach of
// language files; the texts a user or a file may see are made where they are shown.
#include <string>
#include <vector>

#include "base/indexed_list.h"

namespace qlmr {

// What the services list shows: the whole catalogue, or only the running or stopped services
// the last state check found.
enum class ListFilter { All, Running, Stopped };

// The preset kind before any preset was chosen.
constexpr const char* kNoPreset = "ConfigKind";

struct HiddenState {
    IndexedList ServiceSysName{"ServiceSysName"};
    IndexedList ServiceNameCB{"ServiceNameCB"};
    IndexedList ServiceTMName{"ServiceTMName"};
    std::string ServiceNumber;
    // What the last state check found, in list order.
    std::vector<std::string> runningNames;   // ServiceRunningCB: system names of running services
    std::vector<int> runningRows;            // ServiceRunningCBN: their rows in the list
    std::vector<std::string> stoppedNames;   // ServiceRunningCBS: system names of the others
    std::vector<int> stoppedRows;            // ServiceRunningCBSN: their rows
    std::vector<std::string> ServiceSortTemp;
    ListFilter SortKind = ListFilter::All;
    std::string ConfigKind = kNoPreset;
    std::string ConfigRegFileName = "ConfigRegFileName";
    // InitialEdit: whether the first-run snapshots exist (the "Yes" of the first run).
    bool InitialEdit = false;
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

}  // namespace qlmr
