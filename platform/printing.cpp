#include "platform/printing.h"

#include <windows.h>

#include "toolkit/late_bound.h"
#include "toolkit/text.h"

namespace qlmr {
namespace {

// The spooler library is loaded on the first print only: loading it asks the print system
// for its printers, which would slow every start-up.
using GetDefaultPrinterFn = BOOL(WINAPI*)(LPWSTR, LPDWORD);

HDC defaultPrinterDc() {
    static const auto getDefaultPrinter = tk::lateBound<GetDefaultPrinterFn>("winspool.drv", "GetDefaultPrinterW");
    if (!getDefaultPrinter) return nullptr;
    DWORD size = 0;
    getDefaultPrinter(nullptr, &size);
    if (size == 0) return nullptr;
    std::wstring name(size, L'\0');
    if (!getDefaultPrinter(name.data(), &size)) return nullptr;
    return CreateDCW(L"WINSPOOL", name.c_str(), nullptr, nullptr);
}

class PrintJob {
public:
    PrintJob(HDC dc, const std::string& name) : dc_(dc) {
        std::wstring w = tk::widen(name);
        DOCINFOW di{};
        di.cbSize = sizeof di;
        di.lpszDocName = w.c_str();
        open_ = StartDocW(dc_, &di) > 0;
    }
    ~PrintJob() {
        if (pageOpen_) EndPage(dc_);
        if (open_) EndDoc(dc_);
        DeleteDC(dc_);
    }
    bool open() const { return open_; }
    void line(const std::string& text) {
        if (!pageOpen_) newPage();
        if (y_ + lineHeight_ > pageHeight_) {
            endPage();
            newPage();
        }
        std::wstring w = tk::widen(text);
        if (!TextOutW(dc_, margin_, y_, w.c_str(), int(w.size()))) throw PrinterIoError("I/O error 103");
        y_ += lineHeight_;
    }
    void endPage() {
        pageOpen_ = false;
        if (EndPage(dc_) <= 0) throw PrinterIoError("I/O error 103");
    }
    void finish() {
        if (pageOpen_) endPage();
    }

private:
    void newPage() {
        if (StartPage(dc_) <= 0) throw PrinterIoError("I/O error 103");
        pageOpen_ = true;
        TEXTMETRICW tm;
        GetTextMetricsW(dc_, &tm);
        lineHeight_ = tm.tmHeight + tm.tmExternalLeading;
        // The margin first: the page's height is measured less it.
        margin_ = GetDeviceCaps(dc_, LOGPIXELSX) / 2;
        pageHeight_ = GetDeviceCaps(dc_, VERTRES) - margin_;
        y_ = margin_;
    }
    HDC dc_;
    bool open_ = false;
    bool pageOpen_ = false;
    int y_ = 0, lineHeight_ = 1, pageHeight_ = 1, margin_ = 0;
};

}  // namespace

void printTextLines(const std::vector<std::string>& lines, const std::string& jobName) {
    HDC dc = defaultPrinterDc();
    if (!dc) throw std::runtime_error("Printer selected is not valid");
    PrintJob job(dc, jobName);
    if (!job.open()) throw PrinterIoError("I/O error 103");
    for (const std::string& l : lines) job.line(l);
    job.finish();
}

}  // namespace qlmr
