#include <doctest.h>

#include <set>
#include <string>

#include "services/builtin_catalogue.h"

using qlmr::kBuiltinCatalogue;
using qlmr::kBuiltinCatalogueSize;

namespace {

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// Characters, not bytes: UTF-8 continuation bytes are not counted.
int utf8Length(const char* text) {
    int count = 0;
    for (; *text; ++text)
        if ((static_cast<unsigned char>(*text) & 0xC0) != 0x80) ++count;
    return count;
}

// UTF-8 byte order is code point order, so Latin sorts before Cyrillic inside
// a name. Latin case is folded ("MS Software" follows "Message Queuing").
std::string sortKey(const char* text) {
    std::string key(text);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return key;
}

bool beginsWithLatinLetter(const char* text) {
    const char c = text[0];
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

TEST_CASE("built-in catalogue: size and the telling rows") {
    CHECK(sizeof(kBuiltinCatalogue) / sizeof(kBuiltinCatalogue[0]) == 91);

    struct Expected { int index; const char* system; const char* host; const char* display; };
    const Expected rows[] = {
        {0, "wuauserv", "svchost.exe", "Автоматическое обновление (Автоматически Updates)"},
        {3, "SharedAccess", "svchost.exe", "Брандмауэр Windows/Общий доступ к Интернету (ICS) SP2"},
        {4, "SharedAccess", "svchost.exe",
         "Брандмауэр Интернета (ICF) /Общий доступ к Интернету (ICS) "
         "(Internet Connection Firewall/Internet Connection Sharing)"},
        {14, "NetDDE dsdm", "netdde.exe", "Диспетчер сетевого DDE (Network DDE DSDM) SP2"},
        {36, "lanmanserver", "svchost.exe.exe", "Сервер (Server)"},
        {39, "WmdmPmSp", "svchost.exe",
         "Серийный номер переносного медиа-устройства (Portable Media Serial Number) SP2"},
        {45, "SMNP", "snmp.exe", "Служба SNMP (SNMP Service) *"},
        {51, "SMNPTRAP", "snmptrap.exe", "Служба ловушек SNMP (SNMP Trap Service) *"},
        {54, "WmdmPmSp", "svchost.exe", "Служба серийных номеров переносных устройств мультимедиа SP2"},
        {65, "FastUserSwitching Compatibility", "svchost.exe",
         "Совместимость быстрого переключения пользователей (Fast User Switching Compatibility)"},
    };
    for (const Expected& e : rows) {
        CAPTURE(e.index);
        CHECK(std::string(kBuiltinCatalogue[e.index].systemName) == e.system);
        CHECK(std::string(kBuiltinCatalogue[e.index].hostProcess) == e.host);
        CHECK(std::string(kBuiltinCatalogue[e.index].displayName) == e.display);
    }
}

TEST_CASE("built-in catalogue: shared system names stay separate rows") {
    CHECK(std::string(kBuiltinCatalogue[3].systemName) == kBuiltinCatalogue[4].systemName);
    CHECK(std::string(kBuiltinCatalogue[39].systemName) == kBuiltinCatalogue[54].systemName);
    std::set<std::string> distinct;
    for (const auto& row : kBuiltinCatalogue) distinct.insert(row.systemName);
    CHECK(distinct.size() == 89);
}

TEST_CASE("built-in catalogue: SP2 and star marks on exactly their rows") {
    const std::set<int> sp2 = {3, 10, 14, 17, 25, 29, 37, 39, 40, 54, 55, 57, 60};
    const std::set<int> star = {6, 33, 38, 45, 51, 63, 79, 80, 81, 82, 83, 87};
    for (int i = 0; i < kBuiltinCatalogueSize; ++i) {
        CAPTURE(i);
        const std::string name = kBuiltinCatalogue[i].displayName;
        CHECK(endsWith(name, " SP2") == (sp2.count(i) == 1));
        CHECK(endsWith(name, " *") == (star.count(i) == 1));
    }
}

TEST_CASE("built-in catalogue: host processes other than svchost.exe") {
    struct Host { int index; const char* name; };
    const Host others[] = {
        {1, "wmiapsrv.exe"}, {6, "inetinfo.exe"}, {11, "spoolsv.exe"}, {13, "sessmgr.exe"},
        {14, "netdde.exe"}, {15, "lsass.exe"}, {17, "services.exe"}, {18, "smlogsvc.exe"},
        {19, "lsass.exe"}, {21, "ups.exe"}, {23, "msdtc.exe"}, {24, "locator.exe"},
        {27, "SCardSvr.exe"}, {32, "lsass.exe"}, {33, "tcpsvcs.exe"}, {36, "svchost.exe.exe"},
        {37, "clipsrv.exe"}, {38, "tcpsvcs.exe"}, {40, "lsass.exe"}, {43, "dllhost.exe"},
        {44, "imapi.exe"}, {45, "snmp.exe"}, {46, "dmadmin.exe"}, {50, "cisvc.exe"},
        {51, "snmptrap.exe"}, {55, "netdde.exe"}, {57, "services.exe"}, {58, "fxssvc.exe"},
        {59, "alg.exe"}, {60, "lsass.exe"}, {64, "SCardSvr.exe"}, {70, "vssvc.exe"},
        {79, "inetinfo.exe"}, {80, "inetinfo.exe"}, {81, "mqsvc.exe"}, {82, "mqtgsvc.exe"},
        {83, "dllhost.exe"}, {84, "mnmsrvc.exe"}, {85, "services.exe"}, {86, "rsvp.exe"},
        {87, "inetinfo.exe"}, {88, "tlntsvr.exe"}, {90, "msiexec.exe"},
    };
    REQUIRE(sizeof(others) / sizeof(others[0]) == 43);
    std::set<int> listed;
    for (const Host& h : others) {
        CAPTURE(h.index);
        listed.insert(h.index);
        CHECK(std::string(kBuiltinCatalogue[h.index].hostProcess) == h.name);
    }
    for (int i = 0; i < kBuiltinCatalogueSize; ++i) {
        CAPTURE(i);
        if (listed.count(i) == 0)
            CHECK(std::string(kBuiltinCatalogue[i].hostProcess) == "svchost.exe");
    }
}

TEST_CASE("built-in catalogue: display names sorted, Cyrillic before Latin") {
    for (int i = 0; i < kBuiltinCatalogueSize; ++i) {
        CAPTURE(i);
        CHECK(beginsWithLatinLetter(kBuiltinCatalogue[i].displayName) == (i >= 77));
        if (i > 0 && i != 77)
            CHECK(sortKey(kBuiltinCatalogue[i - 1].displayName) <
                  sortKey(kBuiltinCatalogue[i].displayName));
    }
}

TEST_CASE("built-in catalogue: row 4 holds the longest display name") {
    CHECK(utf8Length(kBuiltinCatalogue[4].displayName) == 117);
    for (int i = 0; i < kBuiltinCatalogueSize; ++i) {
        CAPTURE(i);
        CHECK(utf8Length(kBuiltinCatalogue[i].displayName) <= 117);
    }
}
