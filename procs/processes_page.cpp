#include "procs/processes_page.h"

#include <stdexcept>
#include <vector>

#include "base/environment.h"
#include "lang/lang_messages.h"
#include "lang/message_keys.h"
#include "platform/files.h"
#include "platform/native_system_folder.h"
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

using tk::anchor;
using tk::Rect;

ProcessesPage::ProcessesPage(tk::Form& form, tk::TabSheet* sheet, PageHost& host) : host_(host) {
    build(form, sheet);
    wire();
}

void ProcessesPage::build(tk::Form& form, tk::TabSheet* p) {
    CurrentProcsTntlbx = anchor(
        form.make<tk::UniListBox>("CurrentProcsTntlbx", p, Rect{0, 0, kSheetWidth - 223, kSheetHeight - 22}),
        tk::kAnchorAll);
    SearchOnlineTntpnl = anchor(
        form.make<tk::UniPanel>("SearchOnlineTntpnl", p, Rect{kSheetWidth - 223, 0, 223, kSheetHeight - 22}),
        tk::kAnchorRightTall);
    tk::UniPanel* q = SearchOnlineTntpnl;
    EnumProcTntbtn = form.make<tk::UniButton>("EnumProcTntbtn", q, "Показать запущенные процессы", Rect{8, 8, 207, 40});
    OnlineServerTntcmb = form.make<tk::UniComboBox>("OnlineServerTntcmb", q, "Choose Server/ Выберите сервер",
                                                    Rect{8, 56, 207, 24}, true);
    OnlineSearchTntbtn = form.make<tk::UniButton>("OnlineSearchTntbtn", q, "Поиск Онлайн", Rect{8, 88, 207, 30});
    OpenDitTntbtn =
        form.make<tk::UniButton>("OpenDitTntbtn", q, "Перейти к исполняемому файлу", Rect{8, 126, 207, 40});
    OnlineServerStringTntcmb = form.make<tk::UniComboBox>("OnlineServerStringTntcmb", q,
                                                          "Choose Server/ Выберите сервер", Rect{8, 180, 207, 24}, true);
    OnlineServerStringTntcmb->setVisible(false);
    NameTntLabel = form.make<tk::UniLabel>("NameTntLabel", q, "NameTntLabel", Rect{8, 212, 207, 18});
    NameTntLabel->setVisible(false);
    CurrentStatusBar =
        anchor(form.make<tk::StatusBar>("CurrentStatusBar", p, std::vector<int>{100, 50}), tk::kAnchorBottomWide);
    CurrentStatusBar->setDesignBounds({0, kSheetHeight - 22, kSheetWidth, 22});
}

void ProcessesPage::wire() {
    for (const LookupEndpoint& endpoint : kLookupEndpoints) {
        OnlineServerTntcmb->add(endpoint.label);
        OnlineServerStringTntcmb->add(endpoint.prefix);
    }
    EnumProcTntbtn->onClick = [this] { EnumProcTntbtnClick(); };
    CurrentProcsTntlbx->onClick = [this] { CurrentProcsTntlbxClick(); };
    OnlineServerTntcmb->onChange = [this] { OnlineServerTntcmbChange(); };
    OnlineSearchTntbtn->onClick = [this] { OnlineSearchTntbtnClick(); };
    OpenDitTntbtn->onClick = [this] { OpenDitTntbtnClick(); };
}

void ProcessesPage::EnumProcTntbtnClick() {
    CurrentProcsTntlbx->clear();
    // The count is shown also when listing fails half-way.
    struct ShowCount {
        ProcessesPage& form;
        ~ShowCount() { form.CurrentStatusBar->setPanelText(0, std::to_string(form.CurrentProcsTntlbx->count())); }
    } showCount{*this};
    std::vector<std::string> lines;
    ListProcesses(&lines);
    for (const std::string& line : lines) CurrentProcsTntlbx->add(line);
}

void ProcessesPage::CurrentProcsTntlbxClick() {
    const int selected = CurrentProcsTntlbx->itemIndex();
    if (selected < 0) return;
    // Emptied first: the name of the selection is set anew on every click, never kept.
    NameTntLabel->setText("");
    NameTntLabel->setText(fileNamePart(CurrentProcsTntlbx->item(selected)));
}

void ProcessesPage::OnlineServerTntcmbChange() {
    OnlineServerStringTntcmb->setItemIndex(OnlineServerTntcmb->itemIndex());
}

void ProcessesPage::OnlineSearchTntbtnClick() {
    const std::string name = NameTntLabel->text();
    if (name == kNoProcessChosen) {
        showInfo(host_.message(msg::kChooseProcessFirst));
        return;
    }
    std::string url = OnlineServerStringTntcmb->text() + percentEncode(name);
    if (OnlineServerTntcmb->text() == kLookupEndpoints[kPhpEndpoint].label) url += ".php";
    // Without a chosen endpoint the text is no address; the shell would run it as a program.
    if (!isWebUrl(url)) {
        showInfo(kChooseServer);
        return;
    }
    env().shell->execute(host_.window(), "open", url, "", "", ShowCommand::Normal);
}

void ProcessesPage::OpenDitTntbtnClick() {
    const int selected = CurrentProcsTntlbx->itemIndex();
    if (selected < 0) throw std::runtime_error("List index out of bounds (" + std::to_string(selected) + ")");
    const std::string folder = folderPart(CurrentProcsTntlbx->item(selected));
    showInfo(folder);
    if (NameTntLabel->text() == kNoProcessChosen) {
        showInfo(host_.message(msg::kChooseProcessFirst));
        return;
    }
    const NativeSystemFolder native(folder);   // a 64-bit process's System32 is not the 32-bit twin
    if (isExistingFullFolder(folder))
        env().shell->execute(host_.window(), "explore", folder, "", "", ShowCommand::Maximized);
}

}  // namespace qlmr
