#pragma once
// The language files found in Langz\ and the two parallel lists each place keeps of them.
#include <string>

namespace tk {
class ComboBox;
}

namespace qlmr {

class IndexedList;
struct PageHost;

constexpr const char* kLanguagePattern = "*.lng";
constexpr const char* kRussianLanguageFile = "rus.lng";

// Empties both lists (their edit texts stay) and fills them in the order the file system
// returns the files: the file's display name into displayNames, its bare name into fileNames.
// With a log window the search is framed by its three log lines.
void ListLanguageFiles(IndexedList& fileNames, tk::ComboBox& displayNames, PageHost* log);
void ListLanguageFiles(tk::ComboBox& fileNames, tk::ComboBox& displayNames, PageHost* log);

}  // namespace qlmr
