#pragma once
// The log page: the activity log with its stamped lines, a line shown in full, clear, save, print.
#include <string>

#include "base/page_host.h"
#include "toolkit/form.h"
#include "toolkit/menu.h"
#include "toolkit/widgets.h"

namespace qlmr {

class LogPage {
public:
    LogPage(tk::Form& form, tk::TabSheet* sheet, PageHost& host);

    tk::VirtualListBox* LogBox;
    tk::Button *LogClear, *LogSave, *LogPrint;
    tk::Memo* WideTextMemo;
    tk::PopupMenu* LogPopupMenu;
    tk::MenuItem *N1, *N2, *N3;

    void logLine(const std::string& text);   // prefix + text at the end of the log
    void LogBoxClick();
    void LogClearClick();
    void LogSaveClick();
    void LogPrintClick();

private:
    tk::TabSheet* sheet_;
    PageHost& host_;
    void build(tk::Form& form);
    void wire();
};

}  // namespace qlmr
