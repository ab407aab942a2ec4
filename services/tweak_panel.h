#pragma once
// The extra-functions panel on the services page: the filter buttons (their handlers are the
// page's), the services console, the registry jump, the interface language and the lists' look.
#include "base/hidden_state.h"
#include "base/page_host.h"
#include "toolkit/form.h"
#include "toolkit/widgets.h"

namespace qlmr {

class TweakPanel {
public:
    TweakPanel(tk::Form& form, tk::TabSheet* sheet, tk::Rect bounds, HiddenState& state, PageHost& host,
               PanelCommands& commands);

    tk::Panel* TweackPanel;
    tk::GroupBox* SortTwBox;
    tk::Button *SortTwA, *SortTwNA, *SortTwD;
    tk::Button *ServiceapletstartButton, *RegistryJumpButton, *OptCColorButton, *OpCFontButton;
    tk::GroupBox* OptLangBox;
    tk::ComboBox* OpLangRNComboBox;

    void ServiceapletstartButtonClick();
    void RegistryJumpButtonClick();
    void OptCColorButtonClick();
    void OpCFontButtonClick();
    void OptLangComboBoxEnter();   // also the start-up's way of building the language lists
    void OpLangRNComboBoxEnter();
    void OpLangRNComboBoxChange();
    void OptLangComboBoxChange();

private:
    HiddenState& state;
    PageHost& host_;
    PanelCommands& commands_;
    void wire();
};

}  // namespace qlmr
