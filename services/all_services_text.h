#pragma once
// The texts of the page of every installed service: column captions, state and start-type
// words, the details box and the messages. Phrases come from the language file's [Msg]
// section, the built-in Russian ones where it has none.
#include <string>
#include <vector>

#include "config/preview_text.h"
#include "services/all_services.h"

namespace qlmr {

// The built-in Russian text of a key of this page or of the preview (empty for an unknown key).
std::string builtinAllServicesPhrase(const std::string& key);

std::vector<std::string> allServicesColumns(const PreviewPhrases& phrases);
// The list's columns, then description and path: the export's header.
std::vector<std::string> exportColumns(const PreviewPhrases& phrases);
std::string serviceStateText(unsigned long state, const PreviewPhrases& phrases);
// "Авто (отложенный запуск)" for a delayed automatic start where the system knows it.
std::string serviceStartText(const ServiceEntry& e, bool delayedKnown, const PreviewPhrases& phrases);
std::string serviceCell(const ServiceEntry& e, ServiceColumn column, bool delayedKnown, const PreviewPhrases& phrases);

// The details box: description, executable path, what it needs and what needs it, a line each.
std::string serviceInfoText(const ServiceLinks& links, const std::vector<std::string>& dependsOn,
                            const std::vector<std::string>& dependents, const PreviewPhrases& phrases);

}  // namespace qlmr
