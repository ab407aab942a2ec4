#pragma once
// Formats a message text from a language file with one string argument. Only "%s" (at most once)
// and "%%" are allowed: the text comes from a file and never reaches a printf-style function.
#include <stdexcept>
#include <string>

namespace qlmr {

class FormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws FormatError with the runtime's message `Format '<text>' invalid or incompatible with argument`
// for any other "%" sequence or a second "%s".
std::string formatMessage(const std::string& text, const std::string& argument);

}  // namespace qlmr
