#include "lang/component_text.h"

#include "toolkit/menu.h"

namespace qlmr {

std::string componentText(const tk::Component& c) {
    if (auto* item = dynamic_cast<const tk::MenuItem*>(&c)) return item->caption();
    if (auto* control = dynamic_cast<const tk::Control*>(&c)) return control->text();
    return {};
}

void setComponentText(tk::Component& c, const std::string& text) {
    if (auto* item = dynamic_cast<tk::MenuItem*>(&c))
        item->setCaption(text);
    else if (auto* control = dynamic_cast<tk::Control*>(&c))
        control->setText(text);
}

}  // namespace qlmr
