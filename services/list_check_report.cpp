#include "services/list_check_report.h"

#include "base/file_names.h"
#include "services/list_check.h"
#include "toolkit/dialogs.h"

namespace qlmr {

void reportListFilesProblem(PageHost& host, const HiddenState& state) {
    const std::optional<std::string> problem = listFilesProblem(
        {{"ServicesRealNames-rus.lng.dat", state.ServiceNameCB.items()},
         {kSystemNamesList, state.ServiceSysName.items()},
         {kHostNamesList, state.ServiceTMName.items()}}, 1);
    if (!problem) return;
    host.logLine(*problem);
    tk::dialogs().error(*problem);
}

}  // namespace qlmr
