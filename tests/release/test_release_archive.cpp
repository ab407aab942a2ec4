// The unpacked release archive, started where a user unpacked it: complete enough to ask the
// first-run question, and its version the same in the resource, main.ini and the caption.
#include <doctest.h>

#include <vector>

#include "tests/e2e/driver.h"
#include "version.h"

using namespace e2e;

namespace {

std::string resourceVersion(const std::string& exe) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &ignored);
    std::vector<char> block(size);
    if (!size || !GetFileVersionInfoA(exe.c_str(), 0, size, block.data())) return {};
    char* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\StringFileInfo\\041904E3\\ProductVersion", reinterpret_cast<void**>(&text),
                        &length) || !length)
        return {};
    return std::string(text);
}

}  // namespace

TEST_CASE("the unpacked release asks the first-run question and shows the version of its resource") {
    Program p(Program::InPlace{distFolder});
    REQUIRE(p.fileExists("quillmere.exe"));
    CHECK(p.fileExists("README.txt"));
    CHECK_FALSE(p.fileExists("Baze"));
    CHECK(resourceVersion(p.folder() + "quillmere.exe") == QLMR_VERSION_TEXT);

    p.start();
    MessageBoxSeen box = p.waitMessageBox(20000);
    REQUIRE(box.window);
    CHECK(box.caption == "Quillmere (QLMR) by Palewick Workshop");
    CHECK(box.text.rfind("Программа запущена впервые.", 0) == 0);
    p.answer(box, IDNO);
    HWND main = p.mainWindow();
    REQUIRE(main);
    CHECK(p.text(main) == std::string("Quillmere (QLMR) by Palewick Workshop- ver. ") + QLMR_VERSION_TEXT);
}
