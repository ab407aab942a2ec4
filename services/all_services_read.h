#pragma once
// What the page of every installed service reads: one enumeration of the service manager, the
// start type of each service from its key, and on first need the rest of each key.
#include <string>
#include <vector>

#include "config/preview_text.h"
#include "services/all_services.h"

namespace qlmr {

// Every Win32 service with its state and start type, numbered by its place in the catalogue.
std::vector<ServiceEntry> readInstalledServices(const std::vector<std::string>& catalogueNames);

// Start and DelayedAutostart of the entry's key, read again.
void rereadStartType(ServiceEntry& entry);

// Description, ImagePath, Group, ErrorControl, DependOnService and DependOnGroup of each row.
std::vector<ServiceLinks> readServiceLinks(const std::vector<ServiceEntry>& rows);

// The page's phrases from the language file, read once, in the code page it declares; the
// built-in Russian ones where it has none.
PreviewPhrases allServicesPhrases(const std::string& languageFile);

}  // namespace qlmr
