#pragma once
// What a language file says about one control, looked up by its component name alone.
#include <optional>
#include <string>

#include "lang/ini.h"

namespace qlmr {

// The one section that serves the controls of every window, named after the main window.
constexpr const char* kControlSection = "MainForm";
// The reader's default; a value equal to it counts as absent.
constexpr const char* kNoEntry = "No Comments";

// A line break in a caption is written "\n" in a language file, which holds one line per key.
std::string lineBreaksFromFile(const std::string& value);
std::string lineBreaksToFile(const std::string& text);

struct ControlEntry {
    std::string text;   // caption or text (ANSI), its "\n" made line breaks
    std::string hint;   // from name + "Hnt"; "No Comments" when that key is missing
};

// Nothing when the name key is missing (or reads "No Comments"): the control then keeps both
// its text and its tooltip, whatever name + "Hnt" says.
std::optional<ControlEntry> controlEntry(const IniText& file, const std::string& name);

}  // namespace qlmr
