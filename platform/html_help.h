#pragma once
// The compiled HTML help engine (HtmlHelpA of HHCtrl.ocx), behind a seam tests can record.
#include <string>

namespace qlmr {

class HtmlHelpEngine {
public:
    virtual ~HtmlHelpEngine() = default;
    // One HtmlHelpA call. An empty file passes no file; the data word is the keyword text for
    // HH_DISPLAY_INDEX (2) and the number otherwise.
    virtual void call(void* owner, const std::string& file, unsigned command, const std::string& keyword,
                      unsigned long number) = 0;
    // Releases the library at program end.
    virtual void release() {}
};

// HHCtrl.ocx loaded once, on the first request; when it or HtmlHelpA is missing every request
// does nothing.
HtmlHelpEngine& htmlHelpEngine();
// Replaces the engine (tests); null restores the system's.
void setHtmlHelpEngine(HtmlHelpEngine* replacement);

}  // namespace qlmr
