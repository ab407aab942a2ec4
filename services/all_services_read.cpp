#include "services/all_services_read.h"

#include <map>

#include "base/environment.h"
#include "config/import_check.h"
#include "config/reg_file.h"
#include "lang/ini.h"
#include "lang/lang_text.h"
#include "platform/service_list.h"
#include "services/all_services_text.h"

namespace qlmr {
namespace {

std::optional<RegData> valueOf(RegistryKey& key, const std::string& name) {
    std::optional<RawRegValue> raw = key.readRaw(name);
    if (!raw) return std::nullopt;
    return registryData(uint32_t(raw->type), raw->bytes);
}

std::optional<uint32_t> dwordOf(RegistryKey& key, const std::string& name) {
    const std::optional<RegData> v = valueOf(key, name);
    if (!v || v->type != 4 || v->data.size() != 4) return std::nullopt;
    uint32_t n = 0;
    for (int b = 3; b >= 0; --b) n = (n << 8) | uint8_t(v->data[size_t(b)]);
    return n;
}

std::string textOf(RegistryKey& key, const std::string& name) {
    const std::optional<RegData> v = valueOf(key, name);
    return v && (v->type == 1 || v->type == 2) ? v->data : std::string();
}

std::vector<std::string> textList(RegistryKey& key, const std::string& name) {
    const std::optional<RegData> v = valueOf(key, name);
    std::vector<std::string> items;
    if (!v || v->type != 7) return items;
    size_t start = 0;
    for (size_t end; (end = v->data.find('\0', start)) != std::string::npos; start = end + 1)
        if (end > start) items.push_back(v->data.substr(start, end - start));
    if (start < v->data.size()) items.push_back(v->data.substr(start));
    return items;
}

void readStart(RegistryKey& key, ServiceEntry& e) {
    const std::optional<uint32_t> start = dwordOf(key, "Start");
    e.hasStart = start.has_value();
    e.start = start.value_or(0);
    e.delayed = e.hasStart && e.start == 2 && dwordOf(key, "DelayedAutostart").value_or(0) != 0;
}

std::unique_ptr<RegistryKey> keyOf(const std::string& systemName) {
    return env().registry->openLocalMachine(kServicesKeyPath + systemName);
}

}  // namespace

PreviewPhrases allServicesPhrases(const std::string& languageFile) {
    const IniText file(readLanguageText(languageFile).value_or(""));
    return [file](const std::string& key) {
        const std::optional<std::string> text = file.value("Msg", key);
        return text ? *text : builtinAllServicesPhrase(key);
    };
}

std::vector<ServiceEntry> readInstalledServices(const std::vector<std::string>& catalogueNames) {
    std::map<std::string, int> numbers;
    for (size_t i = 0; i < catalogueNames.size(); ++i) numbers.emplace(foldCase(catalogueNames[i]), int(i) + 1);
    std::vector<ServiceEntry> rows;
    for (const ListedService& s : listWin32Services()) {
        ServiceEntry e;
        e.systemName = s.systemName;
        e.displayName = s.displayName.empty() ? s.systemName : s.displayName;
        e.state = s.state;
        const auto number = numbers.find(foldCase(s.systemName));
        if (number != numbers.end()) e.catalogueNumber = number->second;
        if (const std::unique_ptr<RegistryKey> key = keyOf(s.systemName)) readStart(*key, e);
        rows.push_back(std::move(e));
    }
    return rows;
}

void rereadStartType(ServiceEntry& entry) {
    if (const std::unique_ptr<RegistryKey> key = keyOf(entry.systemName)) readStart(*key, entry);
}

std::vector<ServiceLinks> readServiceLinks(const std::vector<ServiceEntry>& rows) {
    std::vector<ServiceLinks> links(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::unique_ptr<RegistryKey> key = keyOf(rows[i].systemName);
        if (!key) continue;
        ServiceLinks& l = links[i];
        l.description = textOf(*key, "Description");
        l.imagePath = textOf(*key, "ImagePath");
        l.group = textOf(*key, "Group");
        l.errorControl = dwordOf(*key, "ErrorControl").value_or(0);
        l.dependOnService = textList(*key, "DependOnService");
        l.dependOnGroup = textList(*key, "DependOnGroup");
    }
    return links;
}

}  // namespace qlmr
