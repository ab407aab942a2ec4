#include "platform/html_help.h"

#include <windows.h>

#include "platform/text_codec.h"

namespace qlmr {
namespace {

constexpr unsigned kDisplayIndex = 2;   // HH_DISPLAY_INDEX
constexpr unsigned kCloseAll = 18;      // HH_CLOSE_ALL
using HtmlHelpWFn = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

class SystemHtmlHelp : public HtmlHelpEngine {
public:
    void call(void* owner, const std::string& file, unsigned command, const std::string& keyword,
              unsigned long number) override {
        // Nothing can be open when nothing was ever shown.
        if (command == kCloseAll && !tried_) return;
        HtmlHelpWFn htmlHelp = entry();
        if (!htmlHelp) return;
        // Wide: the program folder may be named outside the ANSI code page.
        const std::wstring wideFile = widePath(file);
        const std::wstring wideKeyword = widePath(keyword);
        DWORD_PTR data = command == kDisplayIndex ? reinterpret_cast<DWORD_PTR>(wideKeyword.c_str()) : number;
        htmlHelp(static_cast<HWND>(owner), file.empty() ? nullptr : wideFile.c_str(), command, data);
    }

    void release() override {
        if (library_) FreeLibrary(library_);
        library_ = nullptr;
        function_ = nullptr;
        tried_ = false;
    }

private:
    HtmlHelpWFn entry() {
        if (!tried_) {
            tried_ = true;
            library_ = LoadLibraryA("HHCtrl.ocx");
            if (library_) function_ = reinterpret_cast<HtmlHelpWFn>(GetProcAddress(library_, "HtmlHelpW"));
        }
        return function_;
    }

    HMODULE library_ = nullptr;
    HtmlHelpWFn function_ = nullptr;
    bool tried_ = false;
};

SystemHtmlHelp& systemEngine() {
    static SystemHtmlHelp engine;
    return engine;
}

HtmlHelpEngine* replacement_ = nullptr;

}  // namespace

HtmlHelpEngine& htmlHelpEngine() { return replacement_ ? *replacement_ : systemEngine(); }

void setHtmlHelpEngine(HtmlHelpEngine* replacement) { replacement_ = replacement; }

}  // namespace qlmr
