#pragma once
// A program folder for the configuration and backup tests: settings naming a language file of
// the tests' own, with message texts that show their argument.
#include <string>

#include "app/main_form.h"

namespace qlmr::test {

// Named from Langz\ but kept in Baze\, which every test clears: the language lists of the
// program folder stay as shipped.
constexpr const char* kTestLanguage = "..\\Baze\\qlmr-config-test.lng";

// Clears Baze\, writes main.ini and the language file, creates the registry folder; with
// pastFirstRun, also leaves an InitialAstState.reg so that start-up asks nothing.
void prepareConfigFolder(bool pastFirstRun);
// The text of a message of the test language file, formatted with the argument where given.
std::string testMessage(const std::string& key, const std::string& argument = {});
// Makes the test language current, as start-up does.
void useTestLanguage(MainForm& form);
std::string registryFolderPath();

}  // namespace qlmr::test
