#include "toolkit/dialogs.h"

#include "toolkit/form.h"
#include "toolkit/text.h"
#include "toolkit/win.h"

namespace tk {
namespace {

HWND ownerWindow() {
    HWND active = GetActiveWindow();
    return active ? active : static_cast<HWND>(Application::instance().mainWindow());
}

class SystemDialogs : public Dialogs {
public:
    void info(const std::string& text) override {
        MessageBoxW(ownerWindow(), widen(text).c_str(), widen(Application::instance().title).c_str(), MB_OK);
    }
    Answer question(const std::string& caption, const std::string& text, bool exclamation) override {
        int r = MessageBoxW(ownerWindow(), widen(text).c_str(), widen(caption).c_str(),
                            MB_YESNO | (exclamation ? MB_ICONEXCLAMATION : MB_ICONQUESTION));
        return r == IDNO ? Answer::No : r == IDYES ? Answer::Yes : Answer::Cancel;
    }
    void error(const std::string& text) override {
        MessageBoxW(ownerWindow(), widen(text).c_str(), widen(Application::instance().title).c_str(),
                    MB_OK | MB_ICONERROR);
    }
};

SystemDialogs systemDialogs;
Dialogs* current = &systemDialogs;

}  // namespace

Dialogs& dialogs() { return *current; }
void setDialogs(Dialogs* replacement) { current = replacement ? replacement : &systemDialogs; }

std::string errorBoxText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

}  // namespace tk
