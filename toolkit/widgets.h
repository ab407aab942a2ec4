#pragma once
// The control kinds, one header per family. The Unicode label, list box and check list box derive
// from none of the translatable kinds; the Unicode combo box is a ComboBox for its code alone and
// isComboBoxKind leaves it out; the Unicode button is a Button and is translated like one.
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
