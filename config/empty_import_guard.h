#pragma once
// The guard every import passes before the registry editor is started for it.
#include <string>

namespace qlmr {

struct PageHost;

// Logs "В файле " + name + " нет значений реестра" and raises it when the file holds no registry
// values, before the editor is started for it.
void refuseEmptyImport(PageHost& host, const std::string& path, const std::string& shownName);

}  // namespace qlmr
