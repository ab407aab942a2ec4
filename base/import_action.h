#pragma once
// What an import the program starts is for: the journal keeps it with the entry, and every
// caller of the one import entry point names it.
namespace qlmr {

enum class ImportAction {
    PresetApply,        // a preset configuration
    PresetUndo,         // the configurations page's undo (InitialAstState.reg)
    DescriptionsIn,     // the shipped descriptions swapped in
    DescriptionsBack,   // the description snapshot swapped back
    BackupRestore,      // a backup put back
    ServiceStartType,   // one service's start type
    ChangeUndo,         // a journal entry's before-values put back
};

}  // namespace qlmr
