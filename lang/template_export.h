#pragma once
// The translation template ListOfComponents.ini and the message test, both for translators.
#include <string>

namespace qlmr {

// Writes ListOfComponents.ini into the program folder: the date under the main window's name,
// then every named component of every open window by kind, with its tooltip.
void writeComponentTemplate(const std::string& mainFormName);

// Shows msg13 of the Russian file as it stands, "%s" included.
void showRussianApplyQuestion();

}  // namespace qlmr
