#pragma once
// Registry files read back by the program: which service a key section belongs to, a copy that
// keeps only some services' sections, and the two texts of the description files.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "lang/ini.h"

namespace qlmr {

// The service a key line names: "Spooler" for the key ...\Services\Spooler and its subkeys, also
// where the line removes the key; empty for a line that is no key under the services branch.
std::string serviceOfKeyLine(std::string_view line);

// The file without the sections of services for which keep() is false; the comment line right
// above such a section goes with it. Everything else, the encoding (UTF-16LE with its mark, or
// single bytes) and the line ends stay as they are.
std::string keepServiceSections(std::string_view fileBytes, const std::function<bool(const std::string&)>& keep);

// A string value as a registry file gives it: a text, or removed ("name"=-).
struct RegText {
    bool removed = false;
    std::string text;
    bool operator==(const RegText& o) const { return removed == o.removed && text == o.text; }
};

struct ServiceTexts {
    std::optional<RegText> description, displayName;
};

// The Description and DisplayName lines of every services key in a file's text (UTF-8, mark
// removed), read as the editor imports them; a later section of the same service wins, and the
// sections of its subkeys do not count.
std::map<std::string, ServiceTexts, NoCaseLess> readServiceTexts(std::string_view text);

}  // namespace qlmr
