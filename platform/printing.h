#pragma once
// Plain-text printing to the default printer.
#include <stdexcept>
#include <string>
#include <vector>

namespace qlmr {

// An input/output error while writing to the printer; the job is closed all the same.
class PrinterIoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One printed text line per entry, in order, page after page. Raises std::runtime_error
// "Printer selected is not valid" when there is no default printer, PrinterIoError when a page
// cannot be written.
void printTextLines(const std::vector<std::string>& lines, const std::string& jobName);

}  // namespace qlmr
