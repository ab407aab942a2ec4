#include "services/tweak_panel.h"

#include "base/environment.h"
#include "base/identity.h"
#include "lang/language_choice.h"
#include "lang/translation.h"
#include "platform/regedit_jump.h"

namespace qlmr {

using tk::Rect;

TweakPanel::TweakPanel(tk::Form& form, tk::TabSheet* sheet, Rect bounds, HiddenState& state, PageHost& host,
                       PanelCommands& commands)
    : state(state), host_(host), commands_(commands) {
    TweackPanel = tk::anchor(form.make<tk::Panel>("TweackPanel", sheet, bounds), tk::kAnchorTopRight);
    tk::Panel* p = TweackPanel;
    SortTwBox = form.make<tk::GroupBox>("SortTwBox", p, "Сортировать", Rect{0, 0, 200, 122});
    SortTwA = form.make<tk::Button>("SortTwA", p, "Активные", Rect{10, 20, 180, 26});
    SortTwNA = form.make<tk::Button>("SortTwNA", p, "Неактивные", Rect{10, 52, 180, 26});
    SortTwD = form.make<tk::Button>("SortTwD", p, "Все", Rect{10, 84, 180, 26});
    ServiceapletstartButton = form.make<tk::Button>("ServiceapletstartButton", p,
                                                    "Вызвать оснастку управления службами", Rect{0, 130, 200, 40});
    ServiceapletstartButton->setHint("Открыть панель управления службами встроенную в ОС");
    RegistryJumpButton =
        form.make<tk::Button>("RegistryJumpButton", p, "Перейти к ветке службы в реестре", Rect{0, 176, 200, 40});
    OptLangBox = form.make<tk::GroupBox>("OptLangBox", p, "Язык интерфейса", Rect{0, 222, 200, 56});
    OpLangRNComboBox = form.make<tk::ComboBox>("OpLangRNComboBox", p, "", Rect{10, 244, 180, 24}, false);
    OptCColorButton = form.make<tk::Button>("OptCColorButton", p, "Цвет списков", Rect{0, 286, 200, 28});
    OpCFontButton = form.make<tk::Button>("OpCFontButton", p, "Шрифт списков", Rect{0, 320, 200, 28});
    TweackPanel->setVisible(false);
    wire();
}

void TweakPanel::wire() {
    ServiceapletstartButton->onClick = [this] { ServiceapletstartButtonClick(); };
    RegistryJumpButton->onClick = [this] { RegistryJumpButtonClick(); };
    OptCColorButton->onClick = [this] { OptCColorButtonClick(); };
    OpCFontButton->onClick = [this] { OpCFontButtonClick(); };
    OpLangRNComboBox->onEnter = [this] { OpLangRNComboBoxEnter(); };
    OpLangRNComboBox->onChange = [this] { OpLangRNComboBoxChange(); };
}

void TweakPanel::ServiceapletstartButtonClick() {
    env().shell->execute(host_.window(), "Open", "services.msc", "", "", ShowCommand::Show);
}

// The key of the service last selected; before any selection the list's own name stands there.
void TweakPanel::RegistryJumpButtonClick() {
    jumpToRegistryKey(std::string(kServicesBranch) + "\\" + state.ServiceSysName.text());
}

void TweakPanel::OptCColorButtonClick() { commands_.chooseListColor(); }
void TweakPanel::OpCFontButtonClick() { commands_.chooseListFont(); }

void TweakPanel::OptLangComboBoxEnter() { ListLanguageFiles(state.OptLangComboBox, *OpLangRNComboBox, &host_); }

void TweakPanel::OpLangRNComboBoxEnter() { OptLangComboBoxEnter(); }

// Picking a display name makes the file name at the same position the current one; asking
// for the position the list already has leaves its text alone.
void TweakPanel::OpLangRNComboBoxChange() {
    const int position = OpLangRNComboBox->itemIndex();
    if (position != state.OptLangComboBox.position()) state.OptLangComboBox.setPosition(position);
    OptLangComboBoxChange();
}

// Switches the running program only: nothing is written to main.ini.
void TweakPanel::OptLangComboBoxChange() { commands_.switchLanguage(); }

}  // namespace qlmr
