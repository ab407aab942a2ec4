#pragma once
// The about window.
#include "toolkit/form.h"
#include "toolkit/widgets.h"

namespace qlmr {

class AboutForm : public tk::Form {
public:
    AboutForm();
    tk::Image* AboutImage;
    tk::Label* AboutLabel;
    tk::Label* VersionLabel;
    tk::Button *MailButton, *CloseAboutButton, *AllAboutButton, *VersionsButton, *WebSite;

    void FormCreate();
    void MailButtonClick();
    void CloseAboutButtonClick();
    void AllAboutButtonClick();
    void VersionsButtonClick();
    void WebSiteClick();
};

}  // namespace qlmr
