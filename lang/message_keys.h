#pragma once
// Keys of the section "Msg" of a language file.

namespace qlmr::msg {

constexpr const char* kSection = "Msg";
constexpr const char* kChooseBackupToRestore = "msg1";
constexpr const char* kImportStarting = "msg2";
constexpr const char* kBackupStarting = "msg3";
constexpr const char* kChooseBackupToDelete = "msg4";
constexpr const char* kChooseServiceToStart = "msg5";
constexpr const char* kChooseServiceToStop = "msg6";
constexpr const char* kFilterFoundNothing = "msg7";
constexpr const char* kChoosePresetFirst = "msg8";
constexpr const char* kPresetImportStarting = "msg9";
constexpr const char* kTakesEffectAfterRestart = "msg10";
constexpr const char* kAskDeleteBackup = "msg11";
constexpr const char* kAskClearLog = "msg12";
constexpr const char* kAskApplyPreset = "msg13";
constexpr const char* kAskFirstRun = "msg14";
constexpr const char* kAskUndoPreset = "msg15";
constexpr const char* kChooseProcessFirst = "msg16";
constexpr const char* kTrayIconFailed = "TrayIconFailed";
constexpr const char* kPreviewNoFile = "PreviewNoFile";
constexpr const char* kPreviewUndoHint = "PreviewUndoHint";

}  // namespace qlmr::msg
