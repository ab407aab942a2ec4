#include "app/hidden_page.h"

#include "config/snapshot.h"
#include "lang/lang_form.h"
#include "lang/template_export.h"

namespace qlmr {

using tk::Rect;

HiddenPage::HiddenPage(tk::Form& form, tk::TabSheet* p, HiddenState& state, PageHost& host,
                       LangForm* const& langForm)
    : form_(form), state(state), host_(host), langForm_(langForm) {
    RegReadButton = form.make<tk::Button>("RegReadButton", p, "RegReadButton", Rect{8, 8, 160, 26});
    RegReadButtonInitial = form.make<tk::Button>("RegReadButtonInitial", p, "RegReadButtonInitial", Rect{8, 40, 160, 26});
    ReadDescription = form.make<tk::Button>("ReadDescription", p, "ReadDescription", Rect{8, 72, 160, 26});
    BuildListOfComps = form.make<tk::Button>("BuildListOfComps", p, "BuildListOfComps", Rect{8, 104, 160, 26});
    TestmseButton = form.make<tk::Button>("TestmseButton", p, "TestMes", Rect{8, 136, 160, 26});
    ShowLangf = form.make<tk::Button>("ShowLangf", p, "ShowLangf", Rect{8, 168, 160, 26});
    wire();
}

void HiddenPage::wire() {
    RegReadButton->onClick = [this] { RegReadButtonClick(); };
    RegReadButtonInitial->onClick = [this] { RegReadButtonInitialClick(); };
    ReadDescription->onClick = [this] { ReadDescriptionClick(); };
    BuildListOfComps->onClick = [this] { BuildListOfCompsClick(); };
    TestmseButton->onClick = [this] { TestmseButtonClick(); };
    ShowLangf->onClick = [this] { ShowLangfClick(); };
}

void HiddenPage::RegReadButtonClick() { saveCurrentStartTypes(state, host_); }
void HiddenPage::RegReadButtonInitialClick() { saveInitialStartTypes(state, host_); }
void HiddenPage::ReadDescriptionClick() { saveDescriptions(state, host_); }
void HiddenPage::BuildListOfCompsClick() { writeComponentTemplate(form_.name()); }
void HiddenPage::TestmseButtonClick() { showRussianApplyQuestion(); }

void HiddenPage::ShowLangfClick() {
    if (langForm_) langForm_->show();
}

}  // namespace qlmr
