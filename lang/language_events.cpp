// The language controls of the main window and the hidden commands that serve translators.
#include "app/main_form.h"

namespace qlmr {

void MainForm::wireLanguageEvents() {
    OpLangRNComboBox->onEnter = [this] { OpLangRNComboBoxEnter(); };
    OpLangRNComboBox->onChange = [this] { OpLangRNComboBoxChange(); };
    ShowLangf->onClick = [this] { ShowLangfClick(); };
    BuildListOfComps->onClick = [this] { BuildListOfCompsClick(); };
    TestmseButton->onClick = [this] { TestmseButtonClick(); };
}

}  // namespace qlmr
