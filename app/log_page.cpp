#include "app/log_page.h"

#include "base/identity.h"
#include "base/last_stamp.h"
#include "lang/lang_messages.h"
#include "lang/message_keys.h"
#include "platform/files.h"
#include "platform/printing.h"
#include "platform/text_codec.h"
#include "toolkit/dialogs.h"

namespace qlmr {

using tk::anchor;
using tk::Rect;

LogPage::LogPage(tk::Form& form, tk::TabSheet* sheet, PageHost& host) : sheet_(sheet), host_(host) {
    build(form);
    wire();
}

void LogPage::build(tk::Form& form) {
    tk::TabSheet* p = sheet_;
    LogBox = anchor(form.make<tk::VirtualListBox>("LogBox", p, Rect{8, 8, kSheetWidth - 16, kSheetHeight - 150}),
                    tk::kAnchorAll);
    LogBox->setHint("Лог действий выполненных программой");
    LogBox->setShowHint(false);
    LogClear = anchor(form.make<tk::Button>("LogClear", p, "Очиститть лог", Rect{8, kSheetHeight - 136, 150, 28}),
                      tk::kAnchorBottomLeft);
    LogClear->setHint("Очистить окно лога");
    LogSave = anchor(form.make<tk::Button>("LogSave", p, "Сохранить лог", Rect{166, kSheetHeight - 136, 150, 28}),
                     tk::kAnchorBottomLeft);
    LogSave->setHint("Сохранить лог в файл");
    LogPrint = anchor(form.make<tk::Button>("LogPrint", p, "Распечатать лог", Rect{324, kSheetHeight - 136, 150, 28}),
                      tk::kAnchorBottomLeft);
    LogPrint->setHint("Распечатать лог");
    WideTextMemo =
        anchor(form.make<tk::Memo>("WideTextMemo", p, "", Rect{8, kSheetHeight - 100, kSheetWidth - 16, 92}, true),
               tk::kAnchorBottomWide);
    LogPopupMenu = form.make<tk::PopupMenu>("LogPopupMenu");
    N1 = form.make<tk::MenuItem>("N1", "Очистить лог");
    N2 = form.make<tk::MenuItem>("N2", "Сохранить лог");
    N3 = form.make<tk::MenuItem>("N3", "Распечать лог");
    for (tk::MenuItem* m : {N1, N2, N3}) LogPopupMenu->add(m);
}

void LogPage::logLine(const std::string& text) { LogBox->add(LogPrefix() + text); }

// The value part of a name=value line; a line without "=" loses its first character (for a
// log line, the opening "[" of its stamp).
void LogPage::LogBoxClick() {
    int i = LogBox->itemIndex();
    if (i < 0 || i >= LogBox->count()) {
        WideTextMemo->setText("");
        return;
    }
    const std::string& line = LogBox->line(i);
    size_t eq = line.find('=');
    WideTextMemo->setText(eq != std::string::npos ? line.substr(eq + 1) : line.empty() ? "" : line.substr(1));
}

void LogPage::LogClearClick() {
    if (!askQuestion(host_.message(msg::kAskClearLog))) return;
    LogBox->clear();
}

namespace {

// In the ANSI code page, or UTF-16LE with its mark where a letter would be lost there.
std::string logFileBytes(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) {
        out += l;
        out += "\r\n";
    }
    return ansiOrUtf16(out);
}

}  // namespace

// Named after the newest log line. An existing file of that name with other content is never
// replaced: the save then takes a free name beside it.
void LogPage::LogSaveClick() {
    std::string folder = programFolder() + kLogsFolder;
    std::string name = "Log of " + lastStamp() + kLogExtension;
    std::string bytes = logFileBytes(LogBox->lines());
    if (fileExists(folder + name) && readFileBytes(folder + name) != bytes) name = freeFileName(folder, name);
    writeFileAtomically(folder + name, bytes);
    logLine("Лог файл " + folder + name + " сохранен");
}

void LogPage::LogPrintClick() {
    try {
        printTextLines(LogBox->lines(), kApplicationTitle);
    } catch (const PrinterIoError&) {
        tk::dialogs().error("Error Printing text.");
    }
    logLine("Лог файл распечатан");
}

void LogPage::wire() {
    LogBox->onClick = [this] { LogBoxClick(); };
    LogClear->onClick = [this] { LogClearClick(); };
    LogSave->onClick = [this] { LogSaveClick(); };
    LogPrint->onClick = [this] { LogPrintClick(); };
    N1->onClick = [this] { LogClearClick(); };
    N2->onClick = [this] { LogSaveClick(); };
    N3->onClick = [this] { LogPrintClick(); };
    sheet_->onContextMenu = [this] { LogPopupMenu->popup(host_.window()); };
}

}  // namespace qlmr
