// The translatable kind tests: which family a control answers to in the translation pass.
#include "toolkit/widgets.h"

#include "toolkit/menu.h"
#include "toolkit/report_list.h"

namespace tk {

// ---- Kind tests
bool isListBoxKind(const Component* c) {
    return dynamic_cast<const ListBox*>(c) || dynamic_cast<const ReportList*>(c);
}
bool isLabelKind(const Component* c) { return dynamic_cast<const Label*>(c); }
bool isButtonKind(const Component* c) { return dynamic_cast<const Button*>(c); }
bool isTabSheetKind(const Component* c) { return dynamic_cast<const TabSheet*>(c); }
bool isCheckBoxKind(const Component* c) { return dynamic_cast<const CheckBox*>(c); }
bool isGroupBoxKind(const Component* c) { return dynamic_cast<const GroupBox*>(c); }
bool isRadioButtonKind(const Component* c) { return dynamic_cast<const RadioButton*>(c); }
bool isMenuItemKind(const Component* c) { return dynamic_cast<const MenuItem*>(c); }
bool isEditKind(const Component* c) { return dynamic_cast<const Edit*>(c); }
bool isComboBoxKind(const Component* c) {
    return dynamic_cast<const ComboBox*>(c) && !dynamic_cast<const UniComboBox*>(c);
}
bool isMemoKind(const Component* c) { return dynamic_cast<const Memo*>(c); }

}  // namespace tk
