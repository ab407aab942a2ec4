#pragma once
// The running processes, as lines: the full path of each main module on the NT family, the
// executable entry of the tool-help snapshot on the 9x family. Lines are UTF-8.
#include <functional>
#include <string>
#include <vector>

namespace qlmr {

// dwPlatformId of GetVersionExA: 1 = 9x family, 2 = NT family.
unsigned long platformFamily();

// Appends one line per listed process; does nothing without a list or on another family.
void ListProcesses(std::vector<std::string>* lines);
void ListProcessesNT(std::vector<std::string>& lines);
void ListProcesses9x(std::vector<std::string>& lines);

// One call of EnumProcesses: fills ids (bytes long) and reports the bytes written.
using ProcessIdQuery = std::function<bool(unsigned long* ids, unsigned long bytes, unsigned long* written)>;
// Grows the array until the answer leaves room to spare, so no identifier is cut off however
// many processes run. Empty when the query fails.
std::vector<unsigned long> collectProcessIds(const ProcessIdQuery& query);

}  // namespace qlmr
