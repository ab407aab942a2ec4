#pragma once
// One service's start type: the choices the drop-down offers, the registry file that sets the
// chosen one, and the question that comes before it.
#include <cstdint>
#include <string>
#include <vector>

#include "config/preview_text.h"
#include "services/all_services.h"

namespace qlmr {

struct StartChoice {
    uint32_t start = 3;
    bool delayed = false;
    bool operator==(const StartChoice& o) const { return start == o.start && delayed == o.delayed; }
    bool operator!=(const StartChoice& o) const { return !(*this == o); }
};

// Automatic, manual, disabled, then the delayed automatic start where the system knows it.
std::vector<StartChoice> offeredStartChoices(bool delayedKnown);
std::string startChoiceText(StartChoice choice, const PreviewPhrases& phrases);
// What the service has now, as one of the choices (a delayed start counts only where known).
StartChoice currentStartChoice(const ServiceEntry& e, bool delayedKnown);

// "Start type of <name>.reg", in the imports folder.
std::string startTypeFileName(const std::string& systemName);

// The registry file that sets the service's Start, and DelayedAutostart with an automatic
// start where the system knows it.
std::string startTypeFileText(const std::string& systemName, StartChoice choice, bool delayedKnown);

// Of the question: the display name, ": ", the type now, " → " and the type chosen.
std::string startChangeSubject(const std::string& displayName, const std::string& now, const std::string& after);

// The preview's notes on disabling the row: "работает сейчас", "от неё зависят: …".
std::string startChangeNotes(size_t row, StartChoice choice, const std::vector<ServiceEntry>& rows,
                             const std::vector<ServiceLinks>& links, const PreviewPhrases& phrases);

}  // namespace qlmr
