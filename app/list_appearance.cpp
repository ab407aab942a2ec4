// What the extra-functions panel changes over several pages: the language of every window and
// the colour and font of the three main lists.
#include "app/main_form.h"
#include "app/window_parts.h"
#include "lang/translation.h"

namespace qlmr {

void MainForm::switchLanguage() {
    ApplyLanguageFile(currentLanguageFile(), true);
    services->LoadDisplayNames(state.OptLangComboBox.text());
    config->refreshStartPreview();
    history->translate();
    allServices->refreshTexts();
}

void MainForm::chooseListColor() {
    unsigned long color = colorDialog_->color;
    if (!choosers().chooseColor(handle(), color)) return;
    colorDialog_->color = color;
    services->ServiceNames->setColor(color);
    logPage->LogBox->setColor(color);
    backups->BackupBox->setColor(color);
}

void MainForm::chooseListFont() {
    FontChoice font = fontDialog_->font;
    if (!choosers().chooseFont(handle(), font)) return;
    fontDialog_->font = font;
    void* previous = fontDialog_->applied;
    fontDialog_->applied = createFont(font);
    for (tk::Control* list : {static_cast<tk::Control*>(services->ServiceNames), static_cast<tk::Control*>(logPage->LogBox),
                              static_cast<tk::Control*>(backups->BackupBox)}) {
        list->setFont(fontDialog_->applied);
        list->setTextColor(font.color);
    }
    deleteFont(previous);
}

}  // namespace qlmr
