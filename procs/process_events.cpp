#include "app/main_form.h"
#include "procs/lookup_endpoints.h"

namespace qlmr {

void MainForm::wireProcessEvents() {
    for (const LookupEndpoint& endpoint : kLookupEndpoints) {
        OnlineServerTntcmb->add(endpoint.label);
        OnlineServerStringTntcmb->add(endpoint.prefix);
    }
    EnumProcTntbtn->onClick = [this] { EnumProcTntbtnClick(); };
    CurrentProcsTntlbx->onClick = [this] { CurrentProcsTntlbxClick(); };
    OnlineServerTntcmb->onChange = [this] { OnlineServerTntcmbChange(); };
    OnlineSearchTntbtn->onClick = [this] { OnlineSearchTntbtnClick(); };
    OpenDitTntbtn->onClick = [this] { OpenDitTntbtnClick(); };
}

}  // namespace qlmr
