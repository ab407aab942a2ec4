#pragma once
// The rows of the page of every installed service: what the service manager and the registry
// tell of each, their order by a column, and the search as the user types.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qlmr {

struct ServiceEntry {
    std::string systemName, displayName;
    unsigned long state = 0;   // dwCurrentState
    bool hasStart = false;     // its key holds a Start number
    uint32_t start = 0;
    bool delayed = false;      // DelayedAutostart is set
    int catalogueNumber = 0;   // its number in the catalogue, 0 outside it
};

// What the details box, the notes and the vital rule need of a service; read on first need.
struct ServiceLinks {
    std::string description, imagePath, group;
    uint32_t errorControl = 0;
    std::vector<std::string> dependOnService, dependOnGroup;
};

enum class ServiceColumn { Display, System, State, StartType, Number };
constexpr int kServiceColumns = 5;

// Positions of the rows sorted by the column (services outside the catalogue after those in
// it), reversed on request; rows that are equal there keep the order of their display names.
std::vector<size_t> sortedRows(const std::vector<ServiceEntry>& rows, ServiceColumn column, bool reversed);

// The text in lower case for a search without letter case: Latin, Latin-1 and Cyrillic letters.
std::string foldCase(std::string_view utf8);

// Each row's display and system name folded once, for the search.
std::vector<std::string> searchKeys(const std::vector<ServiceEntry>& rows);

// The rows of `order` whose display or system name holds the text, letter case ignored.
std::vector<size_t> matchingRows(const std::vector<std::string>& keys, const std::vector<size_t>& order,
                                 const std::string& text);

// The position of the service with this system name, letter case ignored; -1 when none.
int rowOfService(const std::vector<ServiceEntry>& rows, const std::string& systemName);

}  // namespace qlmr
