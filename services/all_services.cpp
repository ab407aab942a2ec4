#include "services/all_services.h"

#include <algorithm>
#include <tuple>

#include "base/name_compare.h"

namespace qlmr {
namespace {

// A Start number that sorts as the start-type column reads: delayed just after automatic.
int startRank(const ServiceEntry& e) {
    if (!e.hasStart) return 100;
    return int(e.start) * 2 + (e.start == 2 && e.delayed ? 1 : 0);
}

int numberRank(const ServiceEntry& e) { return e.catalogueNumber > 0 ? e.catalogueNumber : 1000000; }

bool before(const ServiceEntry& a, const ServiceEntry& b, ServiceColumn column) {
    switch (column) {
    case ServiceColumn::System: return foldCase(a.systemName) < foldCase(b.systemName);
    case ServiceColumn::State: return a.state < b.state;
    case ServiceColumn::StartType: return startRank(a) < startRank(b);
    case ServiceColumn::Number: return numberRank(a) < numberRank(b);
    case ServiceColumn::Display: break;
    }
    return false;
}

char32_t foldLetter(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c >= 0x410 && c <= 0x42F) return c + 32;   // А-Я
    if (c >= 0x400 && c <= 0x40F) return c + 80;   // Ѐ-Џ, Ё among them
    return c;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
        }
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::vector<size_t> sortedRows(const std::vector<ServiceEntry>& rows, ServiceColumn column, bool reversed) {
    std::vector<size_t> order(rows.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::vector<std::string> names(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) names[i] = foldCase(rows[i].displayName);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return names[a] < names[b]; });
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return before(rows[a], rows[b], column); });
    if (reversed) std::reverse(order.begin(), order.end());
    return order;
}

// Bytes that are no UTF-8 sequence are kept as they are.
std::string foldCase(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        const size_t length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (length == 0 || i + length > s.size()) {
            out += char(b);
            ++i;
            continue;
        }
        char32_t c = length == 1 ? b : b & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        appendUtf8(out, foldLetter(c));
        i += length;
    }
    return out;
}

std::vector<std::string> searchKeys(const std::vector<ServiceEntry>& rows) {
    std::vector<std::string> keys;
    keys.reserve(rows.size());
    for (const ServiceEntry& e : rows) keys.push_back(foldCase(e.displayName) + '\n' + foldCase(e.systemName));
    return keys;
}

std::vector<size_t> matchingRows(const std::vector<std::string>& keys, const std::vector<size_t>& order,
                                 const std::string& text) {
    if (text.empty()) return order;
    const std::string needle = foldCase(text);
    std::vector<size_t> shown;
    for (size_t row : order)
        if (keys[row].find(needle) != std::string::npos) shown.push_back(row);
    return shown;
}

int rowOfService(const std::vector<ServiceEntry>& rows, const std::string& systemName) {
    for (size_t i = 0; i < rows.size(); ++i)
        if (sameNameNoCase(rows[i].systemName, systemName)) return int(i);
    return -1;
}

}  // namespace qlmr
