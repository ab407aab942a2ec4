// What a screen reader reads of the running program, asked from this process through MSAA as a
// screen reader asks: the texts the services page draws, the names of every list and memo, a
// log line and the meaning of a row's check mark.
#include <doctest.h>

#include <windows.h>
#include <oleacc.h>

#include <string>
#include <vector>

#include "tests/e2e/driver.h"

using namespace e2e;

namespace {

const char* kSettings = "[Program]\r\nVersionInfo=3.1\r\nDateRelease=08.12.2026\r\nShowLangForm=N\r\n"
                        "LangName=rus.lng\r\nDefaultLang=1\r\n";

// Its own copy: the import library's IID_IAccessible is an import of that name, not the IID.
const IID kIAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

struct ComApartment {
    ComApartment() { CoInitialize(nullptr); }
    ~ComApartment() { CoUninitialize(); }
};

std::string fromBstr(BSTR b) {
    std::string s = b ? narrowText(std::wstring(b, SysStringLen(b))) : std::string();
    SysFreeString(b);
    return s;
}

IAccessible* clientObject(HWND h) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(h, DWORD(OBJID_CLIENT), kIAccessible, reinterpret_cast<void**>(&object))))
        return nullptr;
    return object;
}

VARIANT childId(long id) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

std::string nameOf(IAccessible* object, long id = CHILDID_SELF) {
    BSTR name = nullptr;
    if (object->get_accName(childId(id), &name) != S_OK) return {};
    return fromBstr(name);
}

// The names of a window's children that have no window of their own, in the order told.
struct Element {
    std::string name, description;
    long state = 0;
};

std::vector<Element> elementsOf(HWND h) {
    std::vector<Element> found;
    IAccessible* object = clientObject(h);
    if (!object) return found;
    long count = 0;
    object->get_accChildCount(&count);
    std::vector<VARIANT> children(size_t(count > 0 ? count : 0));
    long got = 0;
    if (count > 0) AccessibleChildren(object, 0, count, children.data(), &got);
    for (long i = 0; i < got; ++i) {
        VARIANT& child = children[size_t(i)];
        if (child.vt == VT_I4) {
            Element e;
            e.name = nameOf(object, child.lVal);
            BSTR text = nullptr;
            if (object->get_accDescription(child, &text) == S_OK) e.description = fromBstr(text);
            VARIANT state;
            VariantInit(&state);
            if (object->get_accState(child, &state) == S_OK && state.vt == VT_I4) e.state = state.lVal;
            found.push_back(e);
        }
        VariantClear(&child);
    }
    object->Release();
    return found;
}

bool toldName(const std::vector<Element>& elements, const std::string& name) {
    for (const Element& e : elements)
        if (e.name == name) return true;
    return false;
}

std::string accessibleName(HWND h) {
    IAccessible* object = clientObject(h);
    if (!object) return {};
    std::string name = nameOf(object);
    object->Release();
    return name;
}

void chooseRow(HWND list, int row) {
    SendMessageW(list, LB_SETCURSEL, WPARAM(row), 0);
    PostMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE), LPARAM(list));
    pumpSleep(300);
}

}  // namespace

TEST_CASE("a screen reader reads the services page, the names of the lists and the log from outside") {
    ComApartment com;
    Program p("screenreader");
    HWND main = p.startAfterFirstRun(kSettings);
    REQUIRE(main);
    HWND services = p.control("ServiceNames");
    chooseRow(services, 0);

    // The details panel: each caption and value with its current text, the same the panel draws.
    const std::vector<Element> details = elementsOf(p.control("ServInfoPanel"));
    for (const char* label : {"InfoNameLb", "InfoName", "InfoTMLb", "InfoTMCaption", "InfoStatusLb", "InfoStatus",
                              "InfoAutostartLb", "InfoAutostartText", "ServicePathLb", "ServicePath"}) {
        CAPTURE(label);
        const std::string drawn = p.labelText(label);
        CHECK_FALSE(drawn.empty());
        CHECK(toldName(details, drawn));
    }
    CHECK_FALSE(p.labelText("InfoName") == "Имя");   // the chosen service's, not the placeholder

    // The totals after a state check, and the mark of a row that does not run.
    p.clickNamed("ServCheckState");
    for (int i = 0; i < 200 && p.labelText("StatAllLabel") != "Всего: 91"; ++i) pumpSleep(50);
    const std::vector<Element> page = elementsOf(p.control("SheetService"));
    for (const char* label : {"StatAllLabel", "ActiveStatLabel", "StopedStatLabel"}) {
        CAPTURE(label);
        CHECK(toldName(page, p.labelText(label)));
    }
    CHECK(toldName(page, "Всего: 91"));
    const std::vector<Element> rows = elementsOf(services);
    REQUIRE(rows.size() == 91);
    int marked = 0;
    for (const Element& row : rows) {
        CHECK_FALSE(row.name.empty());
        if (row.state & STATE_SYSTEM_CHECKED) {
            ++marked;
            CHECK(row.description == "не запущена");
        }
    }
    CHECK(marked > 0);

    // Every list and memo by the caption of its group or of the label before it, else its tooltip
    // or its page; the windows of a page exist once it has been shown.
    struct Named {
        int page;
        const char* control;
        const char* name;
    };
    for (const Named& n : {Named{0, "ServiceNames", "Службы XP"},
                           Named{1, "DescriptionMemo", "Описание конфигураций"},
                           Named{1, "PreviewList", "Выберите конфигурацию, чтобы увидеть, что она изменит"},
                           Named{2, "BackupBox", "Доступные резервные копии"},
                           Named{3, "LogBox", "Лог действий, выполненных программой"},
                           Named{3, "WideTextMemo", "Лог работы программы"}}) {
        CAPTURE(n.control);
        p.showPage(n.page);
        CHECK(accessibleName(p.control(n.control)) == n.name);
    }
    p.showPage(4);
    CHECK_FALSE(accessibleName(p.control("CurrentProcsTntlbx")).empty());

    // The log's lines, which the list draws from memory.
    p.showPage(3);
    const std::vector<Element> log = elementsOf(p.control("LogBox"));
    REQUIRE(log.size() > 2);
    CHECK(log[0].name.find("Начало лог файла") != std::string::npos);
    CHECK(log[1].name.find("Программа запущена") != std::string::npos);

    // The link of the configurations page and the banner.
    p.showPage(1);
    CHECK(accessibleName(p.control("DescrFullLabel")) == "Подробнее...");
    CHECK(accessibleName(p.control("TopImage")) == "Quillmere (QLMR) by Tovenar studio");
}
