#pragma once
// The application's help system: requests go to the HTML help viewer when the help file is a
// ".chm", with the application's current help file (tk::Application::helpFile).
#include <string>

namespace qlmr {

void showHelpTopic(const std::string& topic);
void showHelpContents();
void showHelpContext(unsigned long context);
void showHelpKeyword(const std::string& keyword);
void shutDownHelp();   // HH_CLOSE_ALL and release of the library at program end

}  // namespace qlmr
