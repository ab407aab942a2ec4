#include "services/all_services_export.h"

namespace qlmr {
namespace {

void appendLine(std::string& out, const std::vector<std::string>& cells) {
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i) out += ',';
        out += '"';
        for (char c : cells[i]) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    out += "\r\n";
}

}  // namespace

std::string csvText(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows) {
    std::string out = "\xEF\xBB\xBF";
    appendLine(out, header);
    for (const std::vector<std::string>& row : rows) appendLine(out, row);
    return out;
}

std::string servicesExportName(const std::string& stamp) { return "All services " + stamp + ".csv"; }

}  // namespace qlmr
