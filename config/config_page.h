#pragma once
// The configurations page: the four presets with their description, apply and undo, the
// preview of what a preset or the undo would change, and the swap of the service descriptions.
#include <string>

#include "base/hidden_state.h"
#include "base/page_host.h"
#include "toolkit/form.h"
#include "toolkit/report_list.h"
#include "toolkit/widgets.h"

namespace qlmr {

class ConfigPage {
public:
    ConfigPage(tk::Form& form, tk::TabSheet* sheet, HiddenState& state, PageHost& host);

    tk::GroupBox *ConfigBox, *DescriptionBox, *DescriptionSwapBox;
    tk::RadioButton *Tweackedcf, *Internetcf, *Gamingcf, *Commoncf;
    tk::Memo* DescriptionMemo;
    tk::Label* DescrFullLabel;
    tk::Button *ConfigApplyv, *ConfigApplyUndo, *ChangeDescriptionButton, *ChangeDescriptionBackButton;
    // What the chosen preset, or the undo, would change
    tk::Label* PreviewSummaryLabel;
    tk::ReportList* PreviewList;
    tk::Button* ConfigUndoPreview;

    // presets (presets.cpp)
    void TweackedcfClick();
    void InternetcfClick();
    void GamingcfClick();
    void CommoncfClick();
    void ConfigKindChange();
    void DescrFullLabelClick();
    void ConfigApplyvClick();
    void ConfigApplyUndoClick();
    // description swap (description_swap.cpp)
    void ChangeDescriptionButtonClick();
    void ChangeDescriptionBackButtonClick();
    // preview (start_preview_page.cpp)
    void ConfigUndoPreviewClick();
    // Fills the preview list and its summary from a start-type file against the registry now.
    void showStartPreview(const std::string& path, bool undo);
    void refreshStartPreview();   // the shown preview again, in the current language

private:
    tk::Form& form_;
    tk::TabSheet* sheet_;
    HiddenState& state;
    PageHost& host_;
    std::string previewPath_;   // the file the preview shows; empty before the first
    bool previewOfUndo_ = false;

    void buildPresets();
    void buildDescriptions();
    void buildPreviewControls();
    void wire();
    void choosePreset(const std::string& kind);
};

}  // namespace qlmr
