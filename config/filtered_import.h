#pragma once
// Imports that change only the keys of services that exist on this machine.
#include <string>

namespace qlmr {

// Hands the registry editor a copy of the file that keeps only the sections of installed
// services, written into the imports folder under the file's own name; an import then creates
// no key for a component the machine lacks. A file that does not exist goes to the editor as it
// is, which reports it. Raises as importRegistryFile does, or when the copy cannot be written.
void importInstalledServiceKeys(void* owner, const std::string& path);

// The file importInstalledServiceKeys hands the editor: the copy, written now, or the path itself
// when it does not exist. Raises when the copy cannot be written.
std::string installedServiceKeysCopy(const std::string& path);

}  // namespace qlmr
