#include "lang/lang_messages.h"

#include "base/identity.h"
#include "lang/ini.h"
#include "lang/lang_text.h"
#include "toolkit/dialogs.h"

namespace qlmr {

// Read afresh, in the code page the file declares, with the profile reader's rules.
std::string ReadLangMessage(const std::string& section, const std::string& key, const std::string& file) {
    const std::optional<std::string> text = readLanguageText(file);
    return text ? IniText(*text).read(section, key, kNoMessage) : std::string(kNoMessage);
}

void showInfo(const std::string& text) { tk::dialogs().info(text); }

bool askQuestion(const std::string& text) {
    return tk::dialogs().question(kWindowTitle, text, false) != tk::Answer::No;
}

bool askFirstRun(const std::string& text) {
    return tk::dialogs().question(kWindowTitle, text, true) != tk::Answer::No;
}

}  // namespace qlmr
