#pragma once
// The start-type preview of a file against the registry and the service manager now.
#include <string>
#include <vector>

#include "config/start_preview.h"

namespace qlmr {

// Reads the file (a preset or a snapshot) and each catalogue service's key and state once.
StartPreview previewStartFile(const std::string& path, const std::vector<std::string>& names,
                              const std::vector<std::string>& displayNames);

}  // namespace qlmr
