// The start-type preview in the real program, in Russian and in English.
#include <doctest.h>

#include "tests/e2e/driver.h"

#include <commctrl.h>

using namespace e2e;

TEST_CASE("choosing a preset fills the preview; the undo preview works with the undo button disabled") {
    struct Language {
        const char* file;
        const char* changes;   // how the summary of a preset that changes something reads
        const char* undoHint;
    };
    for (Language lang : {Language{"rus.lng", "Изменится ", "Вернуть это можно и на странице"},
                          Language{"eng.lng", " will change: ", "The same can be restored on the"}}) {
        CAPTURE(lang.file);
        Program p(std::string("preview-") + lang.file);
        p.writeFile("main.ini", std::string("[Program]\r\nVersionInfo=1.0\r\nDateRelease=08.12.2026\r\n"
                                            "ShowLangForm=N\r\nLangName=") + lang.file + "\r\nDefaultLang=-1\r\n");
        p.markNotFirstRun();   // its first-run snapshot holds no service: the undo would change nothing
        p.start();
        REQUIRE(p.mainWindow());
        p.showPage(1);
        p.clickNamed("Tweackedcf");
        pumpSleep(500);
        const HWND list = p.control("PreviewList");
        REQUIRE(list);
        CHECK(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) > 0);
        CHECK(p.labelText("PreviewSummaryLabel").find(lang.changes) != std::string::npos);

        CHECK_FALSE(IsWindowEnabled(p.control("ConfigApplyUndo")));
        p.clickNamed("ConfigUndoPreview");
        pumpSleep(500);
        CHECK(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 0);
        CHECK(p.labelText("PreviewSummaryLabel").find(lang.undoHint) != std::string::npos);
    }
}
