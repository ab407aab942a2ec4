#pragma once
// The program's identity strings and the folders beside the executable.
namespace qlmr {

constexpr const char* kApplicationTitle = "Quillmere (QLMR) by Tovenar studio";
constexpr const char* kWindowTitle = "Quillmere (QLMR) by Palewick Workshop";
constexpr const char* kInstanceName = "Palewick";
constexpr const char* kLogsFolder = "Baze\\Logz\\";
constexpr const char* kRegistryFolder = "Baze\\Regz\\";
constexpr const char* kLangFolder = "Langz\\";
constexpr const char* kConfigFolder = "Configz\\";
constexpr const char* kSettingsFile = "main.ini";
constexpr const char* kReplacementDescriptions = "RusDescription.reg";   // in the Configz folder
// Beside the snapshots, out of the backup list: the copies handed to the editor for import.
constexpr const char* kImportFolder = "Baze\\Regz\\Imports\\";
constexpr const char* kServicesBranch = "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services";

}  // namespace qlmr
