#pragma once
// The language chooser.
#include "toolkit/form.h"
#include "toolkit/widgets.h"

namespace qlmr {

class LangForm : public tk::Form {
public:
    LangForm();
    tk::ComboBox* LangFormRNComboBox;
    tk::ComboBox* LangFormComboBox;   // file names, never visible
    tk::Button* CloselangFButton;
    tk::CheckBox* ShowCheckBox;

    void FormCreate();
    void FormShow();
    void LangFormRNComboBoxChange();
    void CloselangFButtonClick();
    void ShowCheckBoxClick();
};

}  // namespace qlmr
