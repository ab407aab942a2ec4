#pragma once
#include <string>

namespace qlmr {

// Rewrites the texts and tooltips of every open window's controls from a language file's
// section "MainForm"; memos only when asked. A missing file changes nothing.
void ApplyLanguageFile(const std::string& path, bool withMemos);

}  // namespace qlmr
