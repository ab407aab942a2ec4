// The start-type preview on the configurations page, over fixture start types in the test prefix.
#include <doctest.h>

#include <windows.h>

#include <algorithm>
#include <map>
#include <optional>

#include "base/environment.h"
#include "platform/files.h"
#include "tests/support/config_folder.h"
#include "tests/support/program_fixture.h"
#include "tests/support/registry_fixture.h"

using namespace qlmr;
using namespace qlmr::test;

namespace {

// A service's DependOnService set for one case and put back as it was.
struct DependsFor {
    std::string service;
    std::optional<std::string> saved;
    DependsFor(std::string name, const std::string& needed) : service(std::move(name)) {
        HKEY key = open();
        char buf[512];
        DWORD size = sizeof buf, type = 0;
        if (RegQueryValueExA(key, "DependOnService", nullptr, &type, reinterpret_cast<BYTE*>(buf), &size) == 0)
            saved = std::string(buf, size);
        const std::string list = needed + std::string(2, '\0');
        RegSetValueExA(key, "DependOnService", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(list.data()),
                       DWORD(list.size()));
        RegCloseKey(key);
    }
    ~DependsFor() {
        HKEY key = open();
        if (saved)
            RegSetValueExA(key, "DependOnService", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(saved->data()),
                           DWORD(saved->size()));
        else
            RegDeleteValueA(key, "DependOnService");
        RegCloseKey(key);
    }
    HKEY open() const {
        HKEY key = nullptr;
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, ("SYSTEM\\CurrentControlSet\\Services\\" + service).c_str(), 0,
                      KEY_ALL_ACCESS, &key);
        return key;
    }
};

std::string displayName(const MainForm& f, const std::string& systemName) {
    const std::vector<std::string>& names = f.state.ServiceSysName.items();
    for (size_t i = 0; i < names.size(); ++i)
        if (lstrcmpiA(names[i].c_str(), systemName.c_str()) == 0) return f.state.ServiceNameCB.items()[i];
    return {};
}

std::vector<std::string> row(const MainForm& f, const std::string& systemName) {
    for (const tk::ReportList::Row& r : f.config->PreviewList->rows())
        if (r.cells[0] == displayName(f, systemName)) return r.cells;
    return {};
}

std::map<std::string, std::optional<unsigned long>> startTypes(const std::vector<std::string>& names) {
    std::map<std::string, std::optional<unsigned long>> out;
    for (const std::string& n : names) out[n] = serviceDword(n, "Start");
    return out;
}

std::vector<std::string> catalogueNames() {
    ProgramFixture p;
    return p.form->state.ServiceSysName.items();
}

void applyAndWait(MainForm& f) {
    f.config->TweackedcfClick();
    f.config->ConfigApplyvClick();
    REQUIRE(waitForRegistryEditors());
}

}  // namespace

TEST_CASE("preview of a preset: exactly the services whose Start differs, running and needed ones first") {
    const std::vector<std::string> names = catalogueNames();
    ServiceKeysGuard guard(names);
    prepareConfigFolder(true);
    ProgramFixture p(true);
    MainForm& f = *p.form;
    applyAndWait(f);   // every service of the preset as it sets it; then three made to differ
    setServiceDword("wuauserv", "Start", 3);
    setServiceDword("Schedule", "Start", 2);
    setServiceDword("StiSvc", "Start", 3);
    DependsFor scheduleNeedsSti("Schedule", "StiSvc");
    env().services->start("StiSvc");
    REQUIRE(waitUntil([] { return env().services->queryState("", "StiSvc") == SERVICE_RUNNING; }));

    f.state.OptLangComboBox.setText("rus.lng");
    f.config->TweackedcfClick();
    // The preset's services this prefix lacks are counted apart (the apply made no key for them).
    auto startsWith = [](const std::string& text, const std::string& head) { return text.rfind(head, 0) == 0; };
    const std::vector<tk::ReportList::Row>& rows = f.config->PreviewList->rows();
    REQUIRE(rows.size() == 3);
    CHECK(rows[0].cells == std::vector<std::string>{displayName(f, "StiSvc"), "Вручную", "Отключена",
                                                   "работает сейчас; от неё зависят: " + displayName(f, "Schedule")});
    CHECK(rows[0].marked);
    CHECK(row(f, "wuauserv") == std::vector<std::string>{displayName(f, "wuauserv"), "Вручную", "Авто", ""});
    CHECK(row(f, "Schedule") == std::vector<std::string>{displayName(f, "Schedule"), "Авто", "Вручную", ""});
    CHECK_FALSE(rows[1].marked);
    CHECK(startsWith(f.config->PreviewSummaryLabel->text(), "Изменится 3 службы: 1 будет отключена, 1 переведена в ручной "
                                                    "режим, 1 переведена в автоматический режим; "));
    CHECK(f.config->PreviewSummaryLabel->text().find(" из файла не установлен") != std::string::npos);
    CHECK(f.config->PreviewList->columns()[3].caption == "Примечание");

    f.state.OptLangComboBox.setText("eng.lng");
    f.services->tweak->OptLangComboBoxChange();   // the shown preview follows the language switch
    env().services->stop("StiSvc");
    CHECK(f.config->PreviewList->rows()[0].cells[3] == "running now; depended on by: " + displayName(f, "Schedule"));
    CHECK(row(f, "wuauserv")[2] == "Automatic");
    CHECK(startsWith(f.config->PreviewSummaryLabel->text(),
                     "3 services will change: 1 will be disabled, 1 set to manual, 1 set to automatic; "));
    CHECK(f.config->PreviewList->columns()[3].caption == "Note");
}

TEST_CASE("undo preview after a preset apply lists what the apply changed, also after a restart") {
    const std::vector<std::string> names = catalogueNames();
    ServiceKeysGuard guard(names);
    prepareConfigFolder(true);
    setServiceDword("wuauserv", "Start", 3);
    std::map<std::string, std::optional<unsigned long>> before, after;
    {
        ProgramFixture p(true);
        p.form->hidden->RegReadButtonInitialClick();   // the first-run snapshot of these start types
        before = startTypes(names);
        applyAndWait(*p.form);
        after = startTypes(names);
    }
    ProgramFixture restarted(true);
    MainForm& f = *restarted.form;
    REQUIRE_FALSE(f.config->ConfigApplyUndo->enabled());
    f.config->ConfigUndoPreviewClick();

    size_t changed = 0;
    for (const std::string& n : names) {
        if (!before[n] || before[n] == after[n]) continue;   // not installed at the snapshot, or left as it was
        CAPTURE(n);
        ++changed;
        CHECK(!row(f, n).empty());
    }
    CHECK(changed > 0);
    CHECK(f.config->PreviewList->rows().size() == changed);
    CHECK(row(f, "wuauserv") == std::vector<std::string>{displayName(f, "wuauserv"), "Авто", "Вручную", ""});
    CHECK(f.config->PreviewSummaryLabel->text().find(". Вернуть это можно и на странице \"Резервные копии\": выберите "
                                             "InitialAstState.reg") != std::string::npos);
}
