#include "services/service_links.h"

#include <algorithm>

#include "base/name_compare.h"

namespace qlmr {
namespace {

// The rows the row needs: named in DependOnService, or members of a group in DependOnGroup.
std::vector<size_t> neededRows(size_t row, const std::vector<ServiceEntry>& rows,
                               const std::vector<ServiceLinks>& links) {
    std::vector<size_t> needed;
    for (size_t j = 0; j < rows.size(); ++j) {
        if (j == row) continue;
        const bool byName = containsNoCase(links[row].dependOnService, rows[j].systemName);
        const bool byGroup = !links[j].group.empty() && containsNoCase(links[row].dependOnGroup, links[j].group);
        if (byName || byGroup) needed.push_back(j);
    }
    return needed;
}

void addOnce(std::vector<std::string>& names, const std::string& name) {
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
}

}  // namespace

std::vector<std::string> dependsOnNames(size_t row, const std::vector<ServiceEntry>& rows,
                                        const std::vector<ServiceLinks>& links) {
    std::vector<std::string> names;
    for (const std::string& name : links[row].dependOnService) {
        const int at = rowOfService(rows, name);
        addOnce(names, at >= 0 ? rows[size_t(at)].displayName : name);
    }
    for (size_t j : neededRows(row, rows, links))
        if (!containsNoCase(links[row].dependOnService, rows[j].systemName)) addOnce(names, rows[j].displayName);
    return names;
}

std::vector<std::string> dependedOnByNames(size_t row, const std::vector<ServiceEntry>& rows,
                                           const std::vector<ServiceLinks>& links) {
    std::vector<std::string> names;
    for (size_t j = 0; j < rows.size(); ++j) {
        if (j == row) continue;
        const std::vector<size_t> needed = neededRows(j, rows, links);
        if (std::find(needed.begin(), needed.end(), row) != needed.end()) addOnce(names, rows[j].displayName);
    }
    return names;
}

const std::vector<std::string>& presetVitalServices() {
    static const std::vector<std::string> names = {
#include "vital_services_rows.h"
    };
    return names;
}

std::vector<bool> vitalRows(const std::vector<ServiceEntry>& rows, const std::vector<ServiceLinks>& links,
                            const std::vector<std::string>& markedVital) {
    std::vector<bool> vital(rows.size());
    std::vector<size_t> pending;
    for (size_t i = 0; i < rows.size(); ++i) {
        vital[i] = containsNoCase(markedVital, rows[i].systemName) || links[i].errorControl == 2 || links[i].errorControl == 3;
        if (vital[i]) pending.push_back(i);
    }
    while (!pending.empty()) {
        const size_t row = pending.back();
        pending.pop_back();
        for (size_t j : neededRows(row, rows, links)) {
            if (vital[j]) continue;
            vital[j] = true;
            pending.push_back(j);
        }
    }
    return vital;
}

}  // namespace qlmr
