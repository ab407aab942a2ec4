#include "lang/control_entry.h"

namespace qlmr {

std::optional<ControlEntry> controlEntry(const IniText& file, const std::string& name) {
    std::string text = file.read(kControlSection, name, kNoEntry);
    if (text == kNoEntry) return std::nullopt;
    return ControlEntry{std::move(text), file.read(kControlSection, name + "Hnt", kNoEntry)};
}

}  // namespace qlmr
