#pragma once
// Imports that change only the keys of services that exist on this machine.
#include <string>

namespace qlmr {

// The file to hand the registry editor for an import: a copy of it that keeps only the sections
// of installed services, written now into the imports folder under the file's own name, so the
// import creates no key for a component the machine lacks. A file that does not exist is
// returned as it is, for the editor to report. Raises when the copy cannot be written.
std::string installedServiceKeysCopy(const std::string& path);

}  // namespace qlmr
