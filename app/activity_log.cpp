// The activity log: lines with their stamp, shown in full, cleared, saved and printed.
#include "base/identity.h"
#include "base/last_stamp.h"
#include "app/main_form.h"
#include "lang/lang_messages.h"
#include "platform/files.h"
#include "platform/printing.h"
#include "platform/text_codec.h"
#include "toolkit/dialogs.h"

namespace qlmr {

void MainForm::logLine(const std::string& text) { LogBox->add(LogPrefix() + text); }

// The value part of a name=value line; a line without "=" loses its first character.
void MainForm::LogBoxClick() {
    int i = LogBox->itemIndex();
    if (i < 0 || i >= LogBox->count()) {
        WideTextMemo->setText("");
        return;
    }
    const std::string& line = LogBox->line(i);
    size_t eq = line.find('=');
    WideTextMemo->setText(eq != std::string::npos ? line.substr(eq + 1) : line.empty() ? "" : line.substr(1));
}

void MainForm::LogClearClick() {
    if (!askQuestion(message("msg12"))) return;
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
void MainForm::LogSaveClick() {
    std::string folder = programFolder() + kLogsFolder;
    std::string name = "Log of " + lastStamp() + kLogExtension;
    std::string bytes = logFileBytes(LogBox->lines());
    if (fileExists(folder + name) && readFileBytes(folder + name) != bytes) name = freeFileName(folder, name);
    writeFileAtomically(folder + name, bytes);
    logLine("Лог файл " + folder + name + " сохранен");
}

void MainForm::LogPrintClick() {
    try {
        printTextLines(LogBox->lines(), kApplicationTitle);
    } catch (const PrinterIoError&) {
        tk::dialogs().error("Error Printing text.");
    }
    logLine("Лог файл распечатан");
}

void MainForm::wireLogEvents() {
    LogBox->onClick = [this] { LogBoxClick(); };
    LogClear->onClick = [this] { LogClearClick(); };
    LogSave->onClick = [this] { LogSaveClick(); };
    LogPrint->onClick = [this] { LogPrintClick(); };
    N1->onClick = [this] { LogClearClick(); };
    N2->onClick = [this] { LogSaveClick(); };
    N3->onClick = [this] { LogPrintClick(); };
    SheetLog->onContextMenu = [this] { LogPopupMenu->popup(handle()); };
}

}  // namespace qlmr
