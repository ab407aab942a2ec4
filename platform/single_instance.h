#pragma once
#include <string>

namespace qlmr {

// True only when the named mutex was created and did not exist before. The handle is kept for
// the life of the process and closed at its end.
bool IsOnlyInstance(const std::string& name);

}  // namespace qlmr
