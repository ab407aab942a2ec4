// The about window: picture, credits, version and the five buttons.
#include "about/about_form.h"

#include "about/help_system.h"
#include "base/environment.h"
#include "base/identity.h"
#include "platform/choosers.h"
#include "platform/files.h"
#include "platform/jpeg.h"
#include "platform/profile.h"

namespace qlmr {
namespace {

using tk::Rect;

constexpr unsigned long kBlue = 0x00FF0000;           // 0x00BBGGRR

constexpr const char* kMakerMail = "palewick@mail.ru";
constexpr const char* kMakerHomePage = "http://palewick.ucoz.net/index/0-5";

std::string creditsText() {
    const std::string stars(62, '*');
    return "Quillmere\r\nКвиллмир\r\n" + stars + "\r\nПрограмма: Palewick Workshop\r\nИдея и поддержка: Tovenar studio\r\n" +
           stars;
}

// Bold MS Sans Serif (its asterisk is narrower than Tahoma's) at the largest size up to 11
// pixels (at 96 dots per inch) at which a line of 62 asterisks fits the window's width: a wider line would be clipped
// and its rest pushed to a line of its own. Made once and kept for the program's life.
void* creditsFont(int width) {
    static void* font = [width] {
        FontChoice choice;
        choice.weight = 700;
        choice.height = tk::scaled(choice.height);
        void* made = createFont(choice);
        while (choice.height > 6 && textWidth(made, std::string(62, '*')) > width) {
            deleteFont(made);
            --choice.height;
            made = createFont(choice);
        }
        return made;
    }();
    return font;
}

// Opens a page of about.chm, then makes the program's help file services.chm again, now with its
// full path, so that the next service help opens the service page.
void showAboutPage(const std::string& topic) {
    auto& helpFile = tk::Application::instance().helpFile;
    struct RestoreServicesHelp {
        std::string& file;
        ~RestoreServicesHelp() { file = programFolder() + kServicesHelp; }
    } restore{helpFile};
    helpFile = programFolder() + kAboutHelp;
    showHelpTopic(topic);
}

}  // namespace

AboutForm::AboutForm()
    : tk::Form("TAboutForm", "AboutForm", {0, 0, 335, 477}, tk::kStyleCaption | tk::kStyleSystemMenu | tk::kStyleMinMaxBoxes) {
    setCaption("About");
    setMinimumClientSize({335, 477});   // a screen too small for it at a high DPI must not squeeze it
    AboutImage = make<tk::Image>("AboutImage", this, Rect{10, 8, 315, 234});
    AboutImage->setBitmap(loadJpegFile(programFolder() + "about.jpg"));
    AboutLabel = make<tk::Label>("AboutLabel", this, creditsText(), Rect{0, 248, 335, 86});
    AboutLabel->setFont(creditsFont(tk::scaled(335)));
    AboutLabel->setTextColor(kBlue);
    AboutLabel->setColor(systemColor(SystemColor::InactiveBorder));
    VersionLabel = make<tk::Label>("VersionLabel", this, "Version:", Rect{10, 340, 315, 18});
    VersionLabel->setBold(true);
    VersionLabel->setTextColor(kBlue);

    const int left = 15, right = 175, width = 145, height = 30;
    MailButton = make<tk::Button>("MailButton", this, "Отправить письмо ", Rect{left, 364, width, height});
    CloseAboutButton = make<tk::Button>("CloseAboutButton", this, "Закрыть Форму", Rect{right, 364, width, height});
    AllAboutButton = make<tk::Button>("AllAboutButton", this, "Подробнее", Rect{left, 398, width, height});
    VersionsButton = make<tk::Button>("VersionsButton", this, "История Версий", Rect{right, 398, width, height});
    WebSite = make<tk::Button>("WebSite", this, "Домашняя страница", Rect{left, 432, right + width - left, height});

    MailButton->onClick = [this] { MailButtonClick(); };
    CloseAboutButton->onClick = [this] { CloseAboutButtonClick(); };
    AllAboutButton->onClick = [this] { AllAboutButtonClick(); };
    VersionsButton->onClick = [this] { VersionsButtonClick(); };
    WebSite->onClick = [this] { WebSiteClick(); };

    tk::runHandler([this] { FormCreate(); });
    centre();
}

void AboutForm::FormCreate() {
    const std::string settings = programFolder() + kSettingsFile;
    const std::string version = readProfileString(settings, "Program", "VersionInfo", "No Data");
    const std::string released = readProfileString(settings, "Program", "DateRelease", "No Data");
    VersionLabel->setText(VersionLabel->text() + " " + version + " Released on :" + released);
    setStyleBits(tk::kStyleMinMaxBoxes);
}

void AboutForm::MailButtonClick() {
    env().shell->execute(nullptr, "", std::string("mailto:") + kMakerMail + "?subject=Quillmere", "", "",
                         ShowCommand::Normal);
}

void AboutForm::CloseAboutButtonClick() { hide(); }

void AboutForm::AllAboutButtonClick() { showAboutPage("about"); }

void AboutForm::VersionsButtonClick() { showAboutPage("history"); }

void AboutForm::WebSiteClick() {
    env().shell->execute(handle(), "open", kMakerHomePage, "", "", ShowCommand::Normal);
}

}  // namespace qlmr
