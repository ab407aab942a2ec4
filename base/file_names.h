#pragma once
// Every file and folder name the program ships or writes, relative to the executable's folder,
// and the registry branch of the services.
namespace qlmr {

constexpr const char* kLogsFolder = "Baze\\Logz\\";
constexpr const char* kRegistryFolder = "Baze\\Regz\\";
// Beside the snapshots, out of the backup list: the copies handed to the editor for import.
constexpr const char* kImportFolder = "Baze\\Regz\\Imports\\";
constexpr const char* kLangFolder = "Langz\\";
constexpr const char* kConfigFolder = "Configz\\";

constexpr const char* kSettingsFile = "main.ini";
constexpr const char* kReplacementDescriptions = "RusDescription.reg";   // in the Configz folder
constexpr const char* kPresetsDescriptionFile = "dravel.twk";            // in the Configz folder
// The snapshots in the registry folder: the first start types and descriptions, kept for undo.
constexpr const char* kStartTypesSnapshot = "InitialAstState.reg";
constexpr const char* kCurrentStartTypes = "CurrentAstState.reg";
constexpr const char* kDescriptionsSnapshot = "InitialDescription.reg";
constexpr const char* kTemplateFile = "ListOfComponents.ini";
constexpr const char* kSystemNamesList = "ServicesSysNames.dat";
constexpr const char* kHostNamesList = "ServicesTMNames.dat";
constexpr const char* kLogExtension = ".logz";
constexpr const char* kServicesHelp = "services.chm";
constexpr const char* kAboutHelp = "about.chm";

// The services branch as the registry editor and the log show it, and below the root key with
// the separators registry calls and key lines join names with.
constexpr const char* kServicesBranch = "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services";
constexpr const char* kLocalMachineRoot = "HKEY_LOCAL_MACHINE";
constexpr const char* kServicesKeyPath = "\\SYSTEM\\CurrentControlSet\\Services\\";

namespace file_names_detail {
constexpr bool joinsTo(const char* a, const char* b, const char* whole) {
    while (*a) if (*a++ != *whole++) return false;
    while (*b && b[1]) if (*b++ != *whole++) return false;   // the last separator is not in whole
    return *whole == '\0';
}
}  // namespace file_names_detail
static_assert(file_names_detail::joinsTo(kLocalMachineRoot, kServicesKeyPath, kServicesBranch),
              "the two forms of the services branch must name the same key");

}  // namespace qlmr
