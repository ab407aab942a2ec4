#pragma once
// Message texts from language files and the boxes that show them.
#include <string>

namespace qlmr {

constexpr const char* kNoMessage = "No Comments :)";

// Reads key in section of the file afresh; "No Comments :)" when the file, section or key is missing.
std::string ReadLangMessage(const std::string& section, const std::string& key, const std::string& file);

// The three boxes. askQuestion and askFirstRun are true for every answer but No.
void showInfo(const std::string& text);
bool askQuestion(const std::string& text);
bool askFirstRun(const std::string& text);

}  // namespace qlmr
