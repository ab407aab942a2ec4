// Faults from hostile language files: bad format sequences, huge lines, binary bytes.
#include <doctest.h>

#include <windows.h>

#include "app/identity.h"
#include "lang/translation.h"
#include "platform/files.h"
#include "tests/support/program_fixture.h"

using namespace qlmr;
using namespace qlmr::test;

namespace {

// A language file of the test's own, made current for the messages.
struct HostileLanguage {
    explicit HostileLanguage(MainForm& f, const std::string& bytes) {
        writeProgramFile("Langz\\hostile.lng", bytes);
        f.state.OptLangComboBox.setText("hostile.lng");
    }
    ~HostileLanguage() { DeleteFileA((programFolder() + "Langz\\hostile.lng").c_str()); }
};

void applyWithMessage(ProgramFixture& p, const std::string& msg13) {
    HostileLanguage lang(*p.form, "[Msg]\r\nmsg13=" + msg13 + "\r\n");
    p.form->TweackedcfClick();
    tk::runHandler([&] { p.form->ConfigApplyvClick(); });
}

}  // namespace

TEST_CASE("fault: a language file with %n, %d or two %s in a formatted message") {
    for (const std::string text : {"Apply %n?", "Apply %d?", "Apply %s to %s?"}) {
        prepareStartedFolder();
        ProgramFixture p;
        applyWithMessage(p, text);
        CAPTURE(text);
        CHECK(p.dialogs.last("error") == "Format '" + text + "' invalid or incompatible with argument.");
        CHECK(p.dialogs.count("question") == 0);
        // Nothing was done: no snapshot, undo still off, nothing imported.
        CHECK_FALSE(programFileExists("Baze\\Regz\\CurrentAstState.reg"));
        CHECK_FALSE(p.form->ConfigApplyUndo->enabled());
        CHECK(p.shell.calls.empty());
    }
}

TEST_CASE("fault: a language file with a 100 000-character line and binary bytes") {
    prepareStartedFolder();
    ProgramFixture p;
    p.create();
    std::string huge(100000, 'W');
    std::string binary = std::string("\x01\x02\xff\xfe\x00\x7f", 6) + "\x80\x81";
    std::string file = "[MainForm]\r\nServStart=" + huge + "\r\nServStop=" + binary + "\r\nLogSave=Save\r\n" +
                       "[Msg]\r\nmsg5=" + huge + "\r\nmsg6=" + binary + "\r\n";
    HostileLanguage lang(*p.form, file);
    tk::runHandler([&] { ApplyLanguageFile(programFolder() + "Langz\\hostile.lng", true); });
    CHECK(p.dialogs.count("error") == 0);
    CHECK(p.form->ServStart->text().size() <= 2047);
    CHECK(p.form->LogSave->text() == "Save");
    // Messages are cut to the profile reader's 2047 characters and shown.
    tk::runHandler([&] { p.form->ServStartClick(); });
    REQUIRE(p.dialogs.count("info") == 1);
    CHECK(p.dialogs.last("info").size() == 2047);
    tk::runHandler([&] { p.form->ServStopClick(); });
    CHECK(p.dialogs.count("info") == 2);
    // The program goes on: a selection still fills the panel.
    p.form->ServiceNames->setItemIndex(11);
    p.form->ServiceNamesClick();
    CHECK(p.form->InfoName->text() == "Spooler");
}
