#include "lang/template_export.h"

#include "base/identity.h"
#include "lang/component_text.h"
#include "lang/control_entry.h"
#include "lang/language_choice.h"
#include "lang/lang_messages.h"
#include "lang/message_keys.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/secure_wipe.h"
#include "platform/text_codec.h"
#include "toolkit/form.h"
#include "toolkit/widgets.h"

namespace qlmr {
namespace {

constexpr const char* kHintSection = "HINTS";

using KindTest = bool (*)(const tk::Component*);

struct TemplateKind {
    KindTest isKind;
    const char* section;
};

// Tested in this order; a component is listed under the first kind it matches.
constexpr TemplateKind kTemplateKinds[] = {
    {tk::isLabelKind, "Labels"},           {tk::isButtonKind, "Buttons"},
    {tk::isTabSheetKind, "Sheets"},        {tk::isCheckBoxKind, "CheckBoxies"},
    {tk::isComboBoxKind, "ComboBoxies"},   {tk::isGroupBoxKind, "GroupBoxies"},
    {tk::isRadioButtonKind, "RadioButtons"}, {tk::isMenuItemKind, "MenuItems"},
    {tk::isEditKind, "Edits"},
};

void writeHint(const std::string& path, const tk::Component& c) {
    writeProfileString(path, kHintSection, c.name() + "Hnt", c.hint());
}

// List boxes give only their tooltip; memos and the other kinds nothing.
void listComponent(const std::string& path, const tk::Component& c) {
    if (tk::isListBoxKind(&c)) {
        writeHint(path, c);
        return;
    }
    for (const TemplateKind& kind : kTemplateKinds) {
        if (!kind.isKind(&c)) continue;
        writeProfileString(path, kind.section, c.name(), lineBreaksToFile(componentText(c)));
        writeHint(path, c);
        return;
    }
}

bool everyTextFitsAnsi() {
    for (const tk::Form* form : tk::Application::instance().forms)
        for (const auto& c : form->components())
            if (!fitsAnsi(componentText(*c)) || !fitsAnsi(c->hint())) return false;
    return true;
}

}  // namespace

// An old template is wiped first, so entries of an earlier run never survive. Where the ANSI
// code page lacks a letter of the texts, the file starts as UTF-16LE with its mark, which the
// profile writer then keeps.
void writeComponentTemplate(const std::string& mainFormName) {
    const std::string path = programFolder() + kTemplateFile;
    if (fileExists(path)) secureWipe(path);
    if (!everyTextFitsAnsi()) writeFileAtomically(path, "\xFF\xFE");
    writeProfileString(path, mainFormName, "Creation Date", shortDateToday());
    for (const tk::Form* form : tk::Application::instance().forms) {
        const auto& components = form->components();
        for (auto it = components.rbegin(); it != components.rend(); ++it)
            if (!(*it)->name().empty()) listComponent(path, **it);
    }
}

// Shows msg13 of the Russian file as it stands, "%s" included.
void showRussianApplyQuestion() {
    showInfo(ReadLangMessage(msg::kSection, msg::kAskApplyPreset, programFolder() + kLangFolder + kRussianLanguageFile));
}

}  // namespace qlmr
