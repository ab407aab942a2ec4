// The application's help system: every request goes to the HTML help viewer, which answers only
// for ".chm" files.
#include "about/help_system.h"

#include "about/help_request.h"
#include "platform/files.h"
#include "platform/html_help.h"
#include "toolkit/form.h"

namespace qlmr {
namespace {

// The application's current help file, a bare name taken from the program folder; empty when
// it is not a compiled HTML help file.
std::string currentChmFile() {
    const std::string& file = tk::Application::instance().helpFile;
    if (!isChmFile(file)) return {};
    return resolveHelpFile(file, programFolder());
}

// A topic travels as "file::/page" in place of the file; a keyword in the data word.
void send(const HelpCall& call, void* owner) {
    const bool topic = call.command == HelpCommand::DisplayTopic;
    const bool index = call.command == HelpCommand::DisplayIndex;
    htmlHelpEngine().call(owner, topic ? call.argument : call.file, static_cast<unsigned>(call.command),
                          index ? call.argument : std::string(), call.context);
}

template <class MakeCall>
void request(MakeCall makeCall) {
    const std::string file = currentChmFile();
    if (file.empty()) return;
    send(makeCall(file), tk::Application::instance().mainWindow());
}

}  // namespace

void showHelpTopic(const std::string& topic) {
    request([&](const std::string& file) { return topicCall(file, topic); });
}

void showHelpContents() {
    request([](const std::string& file) { return contentsCall(file); });
}

void showHelpContext(unsigned long context) {
    request([&](const std::string& file) { return contextCall(file, context); });
}

void showHelpKeyword(const std::string& keyword) {
    request([&](const std::string& file) { return keywordCall(file, keyword); });
}

void shutDownHelp() {
    send(closeAllCall(), nullptr);
    htmlHelpEngine().release();
}

}  // namespace qlmr
