#include "services/start_type_change.h"

#include "config/reg_file.h"
#include "config/start_preview.h"

namespace qlmr {
namespace {

constexpr unsigned long kRunning = 4;   // SERVICE_RUNNING

// The rows in the preview's form; a service without a Start number counts as not installed.
std::vector<ServiceNow> previewServices(const std::vector<ServiceEntry>& rows, const std::vector<ServiceLinks>& links) {
    std::vector<ServiceNow> services(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        ServiceNow& s = services[i];
        s.systemName = rows[i].systemName;
        s.displayName = rows[i].displayName;
        s.installed = rows[i].hasStart;
        s.start = rows[i].start;
        s.group = links[i].group;
        s.dependOnService = links[i].dependOnService;
        s.dependOnGroup = links[i].dependOnGroup;
    }
    return services;
}

}  // namespace

std::vector<StartChoice> offeredStartChoices(bool delayedKnown) {
    std::vector<StartChoice> choices = {{2, false}, {3, false}, {4, false}};
    if (delayedKnown) choices.push_back({2, true});
    return choices;
}

std::string startChoiceText(StartChoice choice, const PreviewPhrases& phrases) {
    return choice.delayed ? phrases("AllServicesDelayed") : startTypeName(choice.start, phrases);
}

StartChoice currentStartChoice(const ServiceEntry& e, bool delayedKnown) {
    return {e.start, e.start == 2 && e.delayed && delayedKnown};
}

std::string startTypeFileName(const std::string& systemName) { return "Start type of " + systemName + ".reg"; }

std::string startTypeFileText(const std::string& systemName, StartChoice choice, bool delayedKnown) {
    std::vector<std::string> lines = {kRegFileHeader, "", regKeyLine(systemName), regDwordLine("Start", choice.start)};
    if (delayedKnown && choice.start == 2) lines.push_back(regDwordLine("DelayedAutostart", choice.delayed ? 1 : 0));
    lines.push_back("");
    return joinCrLf(lines);
}

std::string startChangeSubject(const std::string& displayName, const std::string& now, const std::string& after) {
    return displayName + ": " + now + " → " + after;
}

std::string startChangeNotes(size_t row, StartChoice choice, const std::vector<ServiceEntry>& rows,
                             const std::vector<ServiceLinks>& links, const PreviewPhrases& phrases) {
    const std::vector<StartTarget> target = {{rows[row].systemName, choice.start}};
    auto running = [&rows](const ServiceNow& s) {
        const int at = rowOfService(rows, s.systemName);
        return at >= 0 && rows[size_t(at)].state == kRunning;
    };
    const StartPreview preview = buildStartPreview(previewServices(rows, links), target, running);
    return preview.rows.empty() ? std::string() : previewNote(preview.rows.front(), phrases);
}

}  // namespace qlmr
