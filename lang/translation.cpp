// The translation pass: every open window's controls rewritten from one language file.
#include "lang/translation.h"

#include "lang/component_text.h"
#include "lang/control_entry.h"
#include "lang/lang_text.h"
#include "toolkit/form.h"
#include "toolkit/widgets.h"

namespace qlmr {
namespace {

using KindTest = bool (*)(const tk::Component*);

// The kinds whose text and tooltip the pass sets, in the order it tests them. A list box takes
// only the tooltip and comes first; a memo takes only the text and comes last.
constexpr KindTest kTextKinds[] = {
    tk::isLabelKind,       tk::isButtonKind,   tk::isTabSheetKind, tk::isCheckBoxKind,  tk::isGroupBoxKind,
    tk::isRadioButtonKind, tk::isMenuItemKind, tk::isEditKind,     tk::isComboBoxKind,
};

// One read of the whole file; an absent or unreadable file is an empty one.
IniText loadLanguageFile(const std::string& path) { return IniText(readLanguageText(path).value_or("")); }

// Re-registering an unchanged tooltip costs several window messages and changes nothing.
void setHint(tk::Component& c, const std::string& hint) {
    if (c.hint() != hint) c.setHint(hint);
}

void translate(tk::Component& c, const ControlEntry& entry, bool withMemos) {
    const std::string& text = entry.text;
    const std::string& hint = entry.hint;
    if (tk::isListBoxKind(&c)) setHint(c, hint);
    for (KindTest isKind : kTextKinds) {
        if (!isKind(&c)) continue;
        setComponentText(c, text);
        setHint(c, hint);
    }
    if (withMemos && tk::isMemoKind(&c)) setComponentText(c, text);
}

void translateForm(tk::Form& form, const IniText& file, bool withMemos) {
    // The labels and buttons take their new texts together; the window repaints once after.
    const tk::RedrawPause textsTogether(&form, false);
    const auto& components = form.components();
    for (auto it = components.rbegin(); it != components.rend(); ++it) {
        tk::Component& c = **it;
        if (c.name().empty()) continue;
        if (std::optional<ControlEntry> entry = controlEntry(file, c.name())) translate(c, *entry, withMemos);
    }
}

}  // namespace

void ApplyLanguageFile(const std::string& path, bool withMemos) {
    const IniText file = loadLanguageFile(path);
    if (!file.hasSection(kControlSection)) return;
    for (tk::Form* form : tk::Application::instance().forms) translateForm(*form, file, withMemos);
}

}  // namespace qlmr
