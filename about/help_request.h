#pragma once
// Maps help requests to HtmlHelpA commands and arguments.
#include <string>

namespace qlmr {

enum class HelpCommand { DisplayTopic = 0, DisplayToc = 1, DisplayIndex = 2, HelpContext = 15, CloseAll = 18 };

struct HelpCall {
    HelpCommand command;
    std::string file;       // may be empty (close all)
    std::string argument;   // topic path or keyword; empty when none
    unsigned long context = 0;
};

bool isChmFile(const std::string& helpFile);   // extension ".chm", letter case ignored
// A name without a folder is taken from the program folder.
std::string resolveHelpFile(const std::string& helpFile, const std::string& programFolder);
HelpCall topicCall(const std::string& file, const std::string& topic);     // file::/topic(.htm)
HelpCall contextCall(const std::string& file, unsigned long context);
HelpCall keywordCall(const std::string& file, const std::string& keyword); // text after first ':', trimmed
HelpCall contentsCall(const std::string& file);
HelpCall closeAllCall();

}  // namespace qlmr
