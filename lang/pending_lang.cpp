// Scaffold until the language handlers land; delete when replaced.
#include "app/main_form.h"
#include "lang/lang_form.h"
#include "lang/translation.h"

namespace qlmr {
void ApplyLanguageFile(const std::string&, bool) {}
void MainForm::wireLanguageEvents() {}
void MainForm::OptLangComboBoxEnter() {}
LangForm::LangForm() : tk::Form("TLangForm", "LangForm", {0, 0, 283, 169}, 0x00C80000) {}

}  // namespace qlmr
