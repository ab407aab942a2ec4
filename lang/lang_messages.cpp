#include "lang/lang_messages.h"

#include "app/identity.h"
#include "platform/profile.h"
#include "toolkit/dialogs.h"

namespace qlmr {

std::string ReadLangMessage(const std::string& section, const std::string& key, const std::string& file) {
    return readProfileString(file, section, key, kNoMessage);
}

void showInfo(const std::string& text) { tk::dialogs().info(text); }

bool askQuestion(const std::string& text) {
    return tk::dialogs().question(kWindowTitle, text, false) != tk::Answer::No;
}

bool askFirstRun(const std::string& text) {
    return tk::dialogs().question(kWindowTitle, text, true) != tk::Answer::No;
}

}  // namespace qlmr
