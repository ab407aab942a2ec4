#include "about/help_request.h"

namespace qlmr {

namespace {

bool endsWithNoCase(const std::string& text, const std::string& tail) {
    if (text.size() < tail.size()) return false;
    const size_t offset = text.size() - tail.size();
    for (size_t i = 0; i < tail.size(); ++i) {
        char c = text[offset + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != tail[i]) return false;
    }
    return true;
}

// Blanks and control characters, as the runtime's trim removes them.
std::string trimmed(const std::string& text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
    return text.substr(first, last - first);
}

}  // namespace

bool isChmFile(const std::string& helpFile) {
    return endsWithNoCase(helpFile, ".chm");
}

std::string resolveHelpFile(const std::string& helpFile, const std::string& programFolder) {
    if (helpFile.find_first_of("\\/:") != std::string::npos) return helpFile;
    return programFolder + helpFile;
}

HelpCall topicCall(const std::string& file, const std::string& topic) {
    const bool hasPageExtension = endsWithNoCase(topic, ".htm") || endsWithNoCase(topic, ".html");
    return {HelpCommand::DisplayTopic, file, file + "::/" + topic + (hasPageExtension ? "" : ".htm")};
}

HelpCall contextCall(const std::string& file, unsigned long context) {
    return {HelpCommand::HelpContext, file, std::string(), context};
}

HelpCall keywordCall(const std::string& file, const std::string& keyword) {
    const size_t colon = keyword.find(':');
    const std::string text = colon == std::string::npos ? keyword : keyword.substr(colon + 1);
    return {HelpCommand::DisplayIndex, file, trimmed(text)};
}

HelpCall contentsCall(const std::string& file) {
    return {HelpCommand::DisplayToc, file, std::string()};
}

HelpCall closeAllCall() {
    return {HelpCommand::CloseAll, std::string(), std::string()};
}

}  // namespace qlmr
