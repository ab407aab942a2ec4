#pragma once
// The list of every installed service as a spreadsheet file.
#include <string>
#include <vector>

namespace qlmr {

// UTF-8 with its byte-order mark, a header row, then one line per row; every cell between
// double quotes, a quote inside doubled, lines ended by CR LF.
std::string csvText(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows);

// "All services " + the stamp + ".csv".
std::string servicesExportName(const std::string& stamp);

}  // namespace qlmr
