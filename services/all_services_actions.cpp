// The page of every installed service: start and stop, the registry jump and the export.
#include "base/environment.h"
#include "base/identity.h"
#include "base/log_prefix.h"
#include "lang/lang_messages.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/regedit_jump.h"
#include "services/all_services_export.h"
#include "services/all_services_page.h"
#include "services/all_services_text.h"

namespace qlmr {

// As on the services page: the manager's refusal is the error box and nothing is logged.
void AllServicesPage::startOrStop(bool start) {
    const ServiceEntry* e = chosen();
    if (!e) {
        showInfo(host_.message(start ? "msg5" : "msg6"));
        return;
    }
    const std::string name = e->systemName, displayName = e->displayName;
    if (start)
        env().services->start(name);
    else
        env().services->stop(name);
    host_.logLine("Служба " + displayName + (start ? " запущена" : " остановлена"));
    host_.PauseWithMessages(500);
    fill();
}

void AllServicesPage::AllServicesStartClick() { startOrStop(true); }
void AllServicesPage::AllServicesStopClick() { startOrStop(false); }

void AllServicesPage::AllServicesJumpClick() {
    const ServiceEntry* e = chosen();
    if (!e) {
        showInfo(phrase("AllServicesChoose"));
        return;
    }
    jumpToRegistryKey(std::string(kServicesBranch) + "\\" + e->systemName);
}

// The rows as the list shows them, searched and sorted, with each one's description and path.
void AllServicesPage::AllServicesExportClick() {
    if (!filled_) fill();
    ensureLinks();
    std::vector<std::vector<std::string>> lines;
    for (size_t row : shown_) {
        std::vector<std::string> cells;
        for (int c = 0; c < kServiceColumns; ++c)
            cells.push_back(serviceCell(rows_[row], ServiceColumn(c), delayedKnown_, phrases_));
        cells.push_back(links_[row].description);
        cells.push_back(links_[row].imagePath);
        lines.push_back(std::move(cells));
    }
    const std::string folder = programFolder() + kLogsFolder;
    createFolders(folder);
    const std::string path = folder + servicesExportName(formatStamp(localNow()));
    writeFileAtomically(path, csvText(exportColumns(phrases_), lines));
    host_.logLine("Список служб сохранен в файл: " + path);
}

}  // namespace qlmr
