// The activity log: lines with their stamp, shown in full, cleared, saved and printed.
#include <functional>
#include <string_view>

#include "app/identity.h"
#include "app/last_stamp.h"
#include "app/main_form.h"
#include "lang/lang_messages.h"
#include "platform/ansi_table.h"
#include "platform/atomic_writer.h"
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

constexpr size_t kChunk = 1 << 20;

// In the ANSI code page, or UTF-16LE with its mark where a letter would be lost there. Handed
// over in pieces of about a megabyte where the page is single-byte, so that a long log is never
// held twice in memory and saves at about disk speed.
// One pass in the code page; a line that does not fit there starts the output again in UTF-16.
void forEachLogChunk(const std::vector<std::string>& lines, const std::function<void(std::string_view)>& take,
                     const std::function<void()>& restart) {
    const SingleByteEncoder* encoder = ansiSingleByteEncoder();
    if (!encoder) {
        std::string out;
        for (const std::string& l : lines) out += l + "\r\n";
        take(ansiOrUtf16(out));
        return;
    }
    std::string chunk;
    chunk.reserve(kChunk + 4096);
    bool ansi = true;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (ansi && !encoder->appendTo(lines[i], chunk)) {
            ansi = false;
            restart();
            chunk = "\xFF\xFE";
            i = size_t(-1);   // from the first line again
            continue;
        }
        if (ansi) {
            chunk += "\r\n";
        } else {
            appendUtf16le(lines[i], chunk);
            chunk.append("\r\0\n\0", 4);
        }
        if (chunk.size() >= kChunk) {
            take(chunk);
            chunk.clear();
        }
    }
    take(chunk);
}

std::string logFileBytes(const std::vector<std::string>& lines) {
    std::string out;
    forEachLogChunk(lines, [&](std::string_view piece) { out += piece; }, [&] { out.clear(); });
    return out;
}

void writeLogFile(const std::string& path, const std::vector<std::string>& lines) {
    AtomicFileWriter file(path);
    forEachLogChunk(lines, [&](std::string_view piece) { file.write(piece); }, [&] { file.rewind(); });
    file.commit();
}

}  // namespace

// Named after the newest log line. An existing file of that name with other content is never
// replaced: the save then takes a free name beside it.
void MainForm::LogSaveClick() {
    std::string folder = programFolder() + kLogsFolder;
    std::string name = "Log of " + lastStamp() + ".logz";
    if (fileExists(folder + name) && readFileBytes(folder + name) != logFileBytes(LogBox->lines()))
        name = freeFileName(folder, name);
    writeLogFile(folder + name, LogBox->lines());
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
