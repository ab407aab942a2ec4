#pragma once
// How the installed services hang together: what a service needs, what needs it, and which
// services must never be disabled.
#include <string>
#include <vector>

#include "services/all_services.h"

namespace qlmr {

// `links` runs beside `rows`, one entry per row.

// Display names of the services the row needs, by name or through a group; a name the list
// lacks stands as written.
std::vector<std::string> dependsOnNames(size_t row, const std::vector<ServiceEntry>& rows,
                                        const std::vector<ServiceLinks>& links);

// Display names of the services that need the row, by its name or its group.
std::vector<std::string> dependedOnByNames(size_t row, const std::vector<ServiceEntry>& rows,
                                           const std::vector<ServiceLinks>& links);

// The system names data/presets.tsv marks vital.
const std::vector<std::string>& presetVitalServices();

// Vital: marked so by the presets, or failing it stops the start of the system (ErrorControl
// 2 or 3), or a vital service needs it, by name or through a group, however far down.
std::vector<bool> vitalRows(const std::vector<ServiceEntry>& rows, const std::vector<ServiceLinks>& links,
                            const std::vector<std::string>& markedVital);

}  // namespace qlmr
