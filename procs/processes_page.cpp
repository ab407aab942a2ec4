// The running-processes page: the list, the executable's folder and the web lookup of a name.
#include <stdexcept>
#include <vector>

#include "base/environment.h"
#include "app/main_form.h"
#include "lang/lang_messages.h"
#include "platform/files.h"
#include "platform/processes.h"
#include "procs/lookup_endpoints.h"
#include "procs/lookup_url.h"

namespace qlmr {
namespace {

// Only a folder given in full ("C:\..." or "\\server\...") that exists goes to the explorer:
// a line that is no path must not open anything relative to the working folder.
bool isExistingFullFolder(const std::string& folder) {
    const bool drive = folder.size() >= 3 && folder[1] == ':' && folder[2] == '\\';
    const bool network = folder.size() >= 3 && folder[0] == '\\' && folder[1] == '\\';
    return (drive || network) && folderExists(folder);
}

}  // namespace

void MainForm::EnumProcTntbtnClick() {
    CurrentProcsTntlbx->clear();
    // The count is shown also when listing fails half-way.
    struct ShowCount {
        MainForm& form;
        ~ShowCount() { form.CurrentStatusBar->setPanelText(0, std::to_string(form.CurrentProcsTntlbx->count())); }
    } showCount{*this};
    std::vector<std::string> lines;
    ListProcesses(&lines);
    for (const std::string& line : lines) CurrentProcsTntlbx->add(line);
}

void MainForm::CurrentProcsTntlbxClick() {
    const int selected = CurrentProcsTntlbx->itemIndex();
    if (selected < 0) return;
    NameTntLabel->setText("");
    NameTntLabel->setText(fileNamePart(CurrentProcsTntlbx->item(selected)));
}

void MainForm::OnlineServerTntcmbChange() {
    OnlineServerStringTntcmb->setItemIndex(OnlineServerTntcmb->itemIndex());
}

void MainForm::OnlineSearchTntbtnClick() {
    const std::string name = NameTntLabel->text();
    if (name == kNoProcessChosen) {
        showInfo(message("msg16"));
        return;
    }
    std::string url = OnlineServerStringTntcmb->text() + percentEncode(name);
    if (OnlineServerTntcmb->text() == kLookupEndpoints[kPhpEndpoint].label) url += ".php";
    // Without a chosen endpoint the text is no address; the shell would run it as a program.
    if (!isWebUrl(url)) {
        showInfo(kChooseServer);
        return;
    }
    env().shell->execute(handle(), "open", url, "", "", ShowCommand::Normal);
}

void MainForm::OpenDitTntbtnClick() {
    const int selected = CurrentProcsTntlbx->itemIndex();
    if (selected < 0) throw std::runtime_error("List index out of bounds (" + std::to_string(selected) + ")");
    const std::string folder = folderPart(CurrentProcsTntlbx->item(selected));
    showInfo(folder);
    if (NameTntLabel->text() == kNoProcessChosen) {
        showInfo(message("msg16"));
        return;
    }
    if (isExistingFullFolder(folder))
        env().shell->execute(handle(), "explore", folder, "", "", ShowCommand::Maximized);
}

}  // namespace qlmr
