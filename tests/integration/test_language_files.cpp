// The shipped language files: complete for all three windows, messages fit for their boxes, and
// an English program that shows no Russian in any control the translation reaches.
#include <doctest.h>

#include <set>

#include "lang/ini.h"
#include "lang/message_format.h"
#include "lang/translation.h"
#include "platform/text_codec.h"
#include "tests/integration/language_windows.h"
#include "toolkit/menu.h"

using namespace qlmr;
using namespace qlmr::test;

namespace {

IniText languageFile(const std::string& name) { return IniText(readProgramFile(std::string(kLangFolder) + name)); }

// Component names the files deliberately leave out: lists of language names and file names,
// the version label that creation extends, the memo that mirrors a log line.
const std::set<std::string> kUntranslated = {"OpLangRNComboBox", "LangFormComboBox", "VersionLabel",
                                             "WideTextMemo"};

bool isTranslatable(const tk::Component* c) {
    return tk::isListBoxKind(c) || tk::isLabelKind(c) || tk::isButtonKind(c) || tk::isTabSheetKind(c) ||
           tk::isCheckBoxKind(c) || tk::isGroupBoxKind(c) || tk::isRadioButtonKind(c) || tk::isMenuItemKind(c) ||
           tk::isEditKind(c) || tk::isComboBoxKind(c) || tk::isMemoKind(c);
}

std::string textOf(const tk::Component* c) {
    if (auto* item = dynamic_cast<const tk::MenuItem*>(c)) return item->caption();
    return static_cast<const tk::Control*>(c)->text();
}

// Cyrillic letters are U+0400 to U+04FF: UTF-8 lead bytes 0xD0 to 0xD3.
bool hasCyrillic(const std::string& text) {
    for (unsigned char b : text)
        if (b >= 0xD0 && b <= 0xD3) return true;
    return false;
}

template <class OnComponent>
void forEachNamedComponent(OnComponent onComponent) {
    for (const tk::Form* form : tk::Application::instance().forms)
        for (const auto& c : form->components())
            if (!c->name().empty()) onComponent(*form, c.get());
}

}  // namespace

TEST_CASE("language files: every translatable control of the three windows has its entries") {
    prepareLanguageFolder();
    ThreeWindows w;
    for (const char* file : {"rus.lng", "eng.lng"}) {
        const IniText lng = languageFile(file);
        forEachNamedComponent([&](const tk::Form& form, const tk::Component* c) {
            if (!isTranslatable(c) || kUntranslated.count(c->name())) return;
            INFO(file << ": " << form.name() << "." << c->name());
            CHECK(lng.value("MainForm", c->name()).has_value());
            if (!tk::isMemoKind(c)) CHECK(lng.value("MainForm", c->name() + "Hnt").has_value());
        });
        INFO(file);
        CHECK(lng.value("MainForm", "TweackStart2").has_value());
        CHECK_FALSE(lng.value("MainForm", "VersionLabel").has_value());
        for (const char* unicode : {"NameTntLabel", "ServiceNameCBUni", "ServiceNames", "CurrentProcsTntlbx",
                                    "OnlineServerTntcmb", "OnlineServerStringTntcmb", "SearchOnlineTntpnl"})
            CHECK_FALSE(lng.value("MainForm", unicode).has_value());
    }
}

TEST_CASE("language files: both name their language and carry all sixteen messages") {
    const IniText rus = languageFile("rus.lng");
    const IniText eng = languageFile("eng.lng");
    CHECK(ansiToUtf8(rus.read("About", "TranslateLangName", "")) == "Русский");
    CHECK(eng.read("About", "TranslateLangName", "") == "English");
    const std::set<int> formatted = {2, 3, 9, 11, 13, 15};
    for (const IniText* lng : {&rus, &eng}) {
        for (int n = 1; n <= 16; ++n) {
            const std::string key = "msg" + std::to_string(n);
            INFO(key);
            const std::optional<std::string> text = lng->value("Msg", key);
            REQUIRE(text.has_value());
            CHECK_FALSE(text->empty());
            const size_t percent = text->find('%');
            if (formatted.count(n)) {
                CHECK(text->substr(percent, 2) == "%s");
                CHECK(text->find('%', percent + 1) == std::string::npos);
                CHECK(formatMessage(*text, "ARG").find("ARG") != std::string::npos);
            } else {
                CHECK(percent == std::string::npos);
            }
        }
    }
}

TEST_CASE("language files: the English file is plain ASCII, the display names too") {
    for (const char* file : {"Langz\\eng.lng", "ServicesRealNames-eng.lng.dat"}) {
        INFO(file);
        const std::string bytes = readProgramFile(file);
        bool ascii = true;
        for (unsigned char b : bytes) ascii = ascii && b < 0x80;
        CHECK(ascii);
    }
    const std::string names = readProgramFile("ServicesRealNames-eng.lng.dat");
    size_t lines = 0;
    for (size_t at = names.find("\r\n"); at != std::string::npos; at = names.find("\r\n", at + 2)) ++lines;
    CHECK(lines == 91);
}

TEST_CASE("language files: after the switch to English no translated control shows Russian") {
    prepareLanguageFolder();
    ThreeWindows w;
    MainForm& f = w.main();
    int eng = -1;
    for (int i = 0; i < f.state.OptLangComboBox.count(); ++i)
        if (f.state.OptLangComboBox.at(i) == "eng.lng") eng = i;
    REQUIRE(eng >= 0);
    f.services->tweak->OpLangRNComboBox->setItemIndex(eng);
    tk::runHandler([&] { f.services->tweak->OpLangRNComboBoxChange(); });
    REQUIRE(w.p.dialogs.count("error") == 0);
    int checked = 0;
    forEachNamedComponent([&](const tk::Form& form, const tk::Component* c) {
        if (!isTranslatable(c)) return;
        INFO(form.name() << "." << c->name() << " = " << textOf(c) << " / " << c->hint());
        if (!tk::isListBoxKind(c)) CHECK_FALSE(hasCyrillic(textOf(c)));
        CHECK_FALSE(hasCyrillic(c->hint()));
        ++checked;
    });
    CHECK(checked > 100);
}

TEST_CASE("language files: back to Russian after English restores Russian everywhere it was") {
    prepareLanguageFolder();
    ThreeWindows w;
    // The Russian of the shipped file, which differs from a built-in text here and there.
    ApplyLanguageFile(programFolder() + kLangFolder + "rus.lng", true);
    std::vector<std::string> before;
    forEachNamedComponent([&](const tk::Form&, const tk::Component* c) {
        if (isTranslatable(c) && !tk::isListBoxKind(c)) before.push_back(textOf(c));
    });
    ApplyLanguageFile(programFolder() + kLangFolder + "eng.lng", true);
    std::vector<std::string> english;
    forEachNamedComponent([&](const tk::Form&, const tk::Component* c) {
        if (isTranslatable(c) && !tk::isListBoxKind(c)) english.push_back(textOf(c));
    });
    ApplyLanguageFile(programFolder() + kLangFolder + "rus.lng", true);
    size_t i = 0, restored = 0;
    forEachNamedComponent([&](const tk::Form& form, const tk::Component* c) {
        if (!isTranslatable(c) || tk::isListBoxKind(c)) return;
        INFO(form.name() << "." << c->name() << " = " << textOf(c) << " / " << before[i]);
        // Each Russian text comes back letter for letter, after English stood in its place.
        if (hasCyrillic(before[i]) && english[i] != before[i]) {
            CHECK(textOf(c) == before[i]);
            ++restored;
        }
        ++i;
    });
    CHECK(restored > 80);   // 93 texts of the three windows today
}

TEST_CASE("language files: the about window's credits keep their six lines in either language") {
    prepareLanguageFolder();
    ThreeWindows w;
    for (const char* file : {"eng.lng", "rus.lng"}) {
        ApplyLanguageFile(programFolder() + kLangFolder + file, false);
        const std::string credits = w.about->AboutLabel->text();
        INFO(file << ": " << credits);
        size_t breaks = 0;
        for (size_t at = credits.find("\r\n"); at != std::string::npos; at = credits.find("\r\n", at + 2)) ++breaks;
        CHECK(breaks == 5);
        CHECK(credits.find(std::string(62, '*') + "\r\n") != std::string::npos);
    }
}
