#pragma once
// The texts of the start-type preview: its summary line, the start-type names and the notes.
// Phrases come from the language file; a phrase with a count lists its plural forms, separated
// by "|": three forms follow the Russian rule (1, 2-4, 5 and more), two the English one.
#include <functional>
#include <string>
#include <vector>

#include "config/start_preview.h"

namespace qlmr {

// The language file's text for a key, or the built-in Russian one when the file has none.
using PreviewPhrases = std::function<std::string(const std::string& key)>;

// The built-in Russian text of a preview key (empty for an unknown key).
std::string builtinPreviewPhrase(const std::string& key);

// The form of `forms` ("служба|службы|служб") for n, its "%s" replaced by n.
std::string pluralPhrase(const std::string& forms, long n);

// "Изменится 23 службы: 17 будут отключены, 6 переведены в ручной режим"; the not installed
// services after a semicolon.
std::string previewSummary(const StartPreview& preview, const PreviewPhrases& phrases);

// The list's column captions, given in one phrase apart by "|".
std::vector<std::string> previewColumns(const PreviewPhrases& phrases);
std::string startTypeName(uint32_t start, const PreviewPhrases& phrases);
std::string previewNote(const PreviewRow& row, const PreviewPhrases& phrases);

}  // namespace qlmr
