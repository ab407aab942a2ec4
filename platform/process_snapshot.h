#pragma once
// The processes running now, as the tool-help snapshot lists them (32- and 64-bit alike), and
// one of them held to be watched until it ends.
#include <memory>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace qlmr {

struct ProcessEntry {
    unsigned long id = 0;
    unsigned long parentId = 0;
    std::string exeName;   // file name only, UTF-8
};

// Empty when the snapshot cannot be taken.
std::vector<ProcessEntry> runningProcesses();

// Null when the process has ended already or refuses to be waited for.
std::unique_ptr<WatchedProcess> openWatchedProcess(unsigned long id);

}  // namespace qlmr
