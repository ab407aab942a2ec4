#include "lang/builtin_messages.h"
#include "lang/lang_messages.h"

namespace qlmr {

std::string readMessageOrBuiltin(const std::string& key, const std::string& file) {
    const std::string text = ReadLangMessage("Msg", key, file);
    if (text != kNoMessage) return text;
    const std::string builtin = builtinMessage(key);
    return builtin.empty() ? text : builtin;
}

}  // namespace qlmr
