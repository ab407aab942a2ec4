#pragma once
// The control kinds, one header per family. Unicode variants of label, list box, combo box, check
// list box and panel deliberately derive from none of the translatable kinds.
#include "toolkit/buttons.h"
#include "toolkit/component.h"
#include "toolkit/containers.h"
#include "toolkit/edits.h"
#include "toolkit/labels.h"
#include "toolkit/lists.h"
#include "toolkit/pages.h"

namespace tk {

// Translatable kind tests, in the order the pass checks them. Unicode classes answer false.
bool isListBoxKind(const Component* c);
bool isLabelKind(const Component* c);
bool isButtonKind(const Component* c);
bool isTabSheetKind(const Component* c);
bool isCheckBoxKind(const Component* c);
bool isGroupBoxKind(const Component* c);
bool isRadioButtonKind(const Component* c);
bool isMenuItemKind(const Component* c);
bool isEditKind(const Component* c);
bool isComboBoxKind(const Component* c);
bool isMemoKind(const Component* c);

}  // namespace tk
