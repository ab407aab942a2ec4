// The page of every installed service in the real program, in Russian and in English: the list,
// the search, the header sort, the details, the start-type question and the saved list.
#include <doctest.h>

#include "tests/e2e/driver.h"

#include <commctrl.h>

#include <algorithm>

using namespace e2e;

namespace {

constexpr int kAllServicesPage = 5;

// A cell of another process's list: the text buffer lives in that process.
std::string cellText(const Program& p, HWND list, int row, int column) {
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, p.processId());
    const SIZE_T size = sizeof(LVITEMW) + 512 * sizeof(wchar_t);
    auto* remote = static_cast<BYTE*>(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(LVITEMW));
    item.cchTextMax = 512;
    WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
    SendMessageW(list, LVM_GETITEMTEXTW, WPARAM(row), LPARAM(remote));
    wchar_t text[512] = {};
    ReadProcessMemory(process, remote + sizeof(LVITEMW), text, sizeof text - sizeof(wchar_t), nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return narrowText(text);
}

int rows(HWND list) { return int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

// A click on a column's header, as the mouse gives it.
void clickHeader(HWND list, int column) {
    HWND header = HWND(SendMessageW(list, LVM_GETHEADER, 0, 0));
    int x = int(SendMessageW(list, LVM_GETCOLUMNWIDTH, WPARAM(column), 0)) / 2;   // clear of the dividers
    for (int c = 0; c < column; ++c) x += int(SendMessageW(list, LVM_GETCOLUMNWIDTH, WPARAM(c), 0));
    PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5));
    PostMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(x, 5));
    pumpSleep(300);
}

// A click on the first row, just below the header.
void clickFirstRow(HWND list) {
    RECT header;
    GetWindowRect(HWND(SendMessageW(list, LVM_GETHEADER, 0, 0)), &header);
    const LPARAM at = MAKELPARAM(20, header.bottom - header.top + 6);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
    pumpSleep(300);
}

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

struct Language {
    const char* file;
    const char* header;     // the saved list's first line
    const char* details;    // how the details box names the path
    const char* question;   // how the start-type question begins
};

}  // namespace

TEST_CASE("the page of every service: list, search, sort, details, the start-type question and the saved list") {
    for (Language lang :
         {Language{"rus.lng", "\xEF\xBB\xBF\"Служба\",\"Имя\",\"Состояние\",\"Тип запуска\",\"№\",\"Описание\",\"Путь\"\r\n",
                   "Исполняемый файл: ", "Изменить тип запуска службы "},
          Language{"eng.lng", "\xEF\xBB\xBF\"Service\",\"Name\",\"State\",\"Start type\",\"No.\",\"Description\",\"Path\"\r\n",
                   "Executable: ", "Change the start type of the service "}}) {
        CAPTURE(lang.file);
        Program p(std::string("all-services-") + lang.file);
        p.writeFile("main.ini", std::string("[Program]\r\nVersionInfo=1.0\r\nDateRelease=08.12.2026\r\n"
                                            "ShowLangForm=N\r\nLangName=") + lang.file + "\r\nDefaultLang=-1\r\n");
        p.markNotFirstRun();
        p.start();
        REQUIRE(p.mainWindow());
        p.showPage(kAllServicesPage);
        pumpSleep(500);
        const HWND list = p.control("AllServicesList");
        REQUIRE(list);
        const int all = rows(list);
        CHECK(all > 5);

        // The system names sorted, then reversed by a second click.
        clickHeader(list, 1);
        CHECK(lower(cellText(p, list, 0, 1)) <= lower(cellText(p, list, all - 1, 1)));
        clickHeader(list, 1);
        CHECK(lower(cellText(p, list, 0, 1)) >= lower(cellText(p, list, all - 1, 1)));

        SendMessageW(p.control("AllServicesSearch"), WM_SETTEXT, 0, LPARAM(L"SPOOLER"));
        pumpSleep(200);
        REQUIRE(rows(list) == 1);
        CHECK(cellText(p, list, 0, 1) == "Spooler");

        clickFirstRow(list);
        CHECK(p.text(p.control("AllServicesInfo")).find(lang.details) != std::string::npos);

        // Another start type than the one shown: the question comes, and No changes nothing.
        const HWND combo = p.control("StartTypeCombo");
        const int now = int(SendMessageW(combo, CB_GETCURSEL, 0, 0));
        REQUIRE(now >= 0);
        SendMessageW(combo, CB_SETCURSEL, WPARAM(now == 1 ? 0 : 1), 0);
        p.clickNamed("StartTypeApply");
        MessageBoxSeen box = p.waitMessageBox();
        REQUIRE(box.window);
        CHECK(box.text.rfind(lang.question, 0) == 0);
        p.answer(box, IDNO);
        pumpSleep(300);

        p.clickNamed("AllServicesExport");
        pumpSleep(500);
        const std::vector<std::string> saved = p.files("Baze\\Logz\\All services *.csv");
        REQUIRE(saved.size() == 1);
        const std::string bytes = p.readFile("Baze\\Logz\\" + saved[0]);
        CHECK(bytes.rfind(lang.header, 0) == 0);
        CHECK(bytes.find("\"Spooler\"") != std::string::npos);
    }
}
