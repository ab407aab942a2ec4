#pragma once
// The program's own Russian message texts, the ones rus.lng ships: what a message reads when no
// language file gives it, so that no box asks a question without saying which.
#include <string>

namespace qlmr {

// The built-in text of a message key of section Msg; empty for a key the program does not know.
std::string builtinMessage(const std::string& key);

// ReadLangMessage, with the built-in text in place of the lookup's default.
std::string readMessageOrBuiltin(const std::string& key, const std::string& file);

}  // namespace qlmr
