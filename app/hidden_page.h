#pragma once
// The page that never shows: commands that start-up, other handlers and translators call.
#include "base/hidden_state.h"
#include "base/page_host.h"
#include "toolkit/form.h"
#include "toolkit/widgets.h"

namespace qlmr {

class LangForm;

class HiddenPage {
public:
    // The language window is made after the main one; its pointer is read on each use.
    HiddenPage(tk::Form& form, tk::TabSheet* sheet, HiddenState& state, PageHost& host, LangForm* const& langForm);

    tk::Button *RegReadButton, *RegReadButtonInitial, *ReadDescription, *BuildListOfComps, *TestmseButton, *ShowLangf;

    void RegReadButtonClick();
    void RegReadButtonInitialClick();
    void ReadDescriptionClick();
    void BuildListOfCompsClick();
    void TestmseButtonClick();
    void ShowLangfClick();

private:
    tk::Form& form_;
    HiddenState& state;
    PageHost& host_;
    LangForm* const& langForm_;
    void wire();
};

}  // namespace qlmr
