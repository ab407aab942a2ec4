#pragma once
// What a page may ask of the window it stands in. The main window implements both; a page
// knows no other page and no more of the window than this.
#include <functional>
#include <string>
#include <vector>

#include "base/import_action.h"

namespace qlmr {

// The pages' design size: the page control's 1000 x 635 less its frame and tab row.
constexpr int kSheetWidth = 992, kSheetHeight = 605;

struct PageHost {
    virtual void logLine(const std::string& text) = 0;   // stamp + text at the end of the log
    virtual std::string message(const std::string& key) const = 0;   // from the current language file
    virtual std::string settingsPath() const = 0;
    virtual std::string currentLanguageFile() const = 0;   // program folder + "Langz\" + current name
    virtual void PauseWithMessages(unsigned long ms) = 0;
    // Imports through the registry editor and checks the registry once the editor has ended; the
    // journal records the values the import changes as they are just before, and later the
    // check's result, under the action the caller names. The check covers the catalogue and
    // `alsoChecked`, and `checked` runs after its report.
    virtual void importVerified(const std::string& path, const std::string& shownName, ImportAction action,
                                const std::vector<std::string>& alsoChecked = {},
                                std::function<void()> checked = {}) = 0;
    virtual void* window() const = 0;   // owner of the boxes and programs a page opens

protected:
    ~PageHost() = default;
};

// What the extra-functions panel asks that reaches over several pages.
struct PanelCommands {
    virtual void switchLanguage() = 0;    // the current language file applied to every window
    virtual void chooseListColor() = 0;   // of the services, log and backups lists
    virtual void chooseListFont() = 0;

protected:
    ~PanelCommands() = default;
};

}  // namespace qlmr
