// The preview on the configurations page: what the chosen preset, or the undo, would change.
#include "config/start_preview_page.h"

#include <set>

#include "base/environment.h"
#include "base/identity.h"
#include "config/config_page.h"
#include "config/import_check.h"
#include "config/preview_text.h"
#include "config/reg_file.h"
#include "config/start_preview.h"
#include "lang/ini.h"
#include "lang/lang_text.h"
#include "lang/message_keys.h"
#include "lang/message_format.h"
#include "platform/files.h"
#include "platform/text_codec.h"
#include "toolkit/report_list.h"

namespace qlmr {
namespace {

std::string upperName(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return s;
}

// Phrases of the current language file, read once per preview in the code page it declares;
// the built-in Russian ones where the file has none.
PreviewPhrases phrasesOf(const std::string& languageFile) {
    const IniText file(readLanguageText(languageFile).value_or(""));
    return [file](const std::string& key) {
        const std::optional<std::string> text = file.value(msg::kSection, key);
        return text ? *text : builtinPreviewPhrase(key);
    };
}

std::optional<RegData> valueOf(RegistryKey& key, const std::string& name) {
    std::optional<RawRegValue> raw = key.readRaw(name);
    if (!raw) return std::nullopt;
    return registryData(uint32_t(raw->type), raw->bytes);
}

std::vector<std::string> textList(const std::optional<RegData>& value) {
    std::vector<std::string> items;
    if (!value || value->type != 7) return items;
    size_t start = 0;
    for (size_t end; (end = value->data.find('\0', start)) != std::string::npos; start = end + 1)
        items.push_back(value->data.substr(start, end - start));
    items.push_back(value->data.substr(start));
    return items;
}

// One read of each catalogue service's key and state.
std::vector<ServiceNow> catalogueNow(const std::vector<std::string>& names,
                                     const std::vector<std::string>& displayNames) {
    std::vector<ServiceNow> services(names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        ServiceNow& s = services[i];
        s.systemName = names[i];
        s.displayName = i < displayNames.size() && !displayNames[i].empty() ? displayNames[i] : names[i];
        const std::unique_ptr<RegistryKey> key = env().registry->openLocalMachine(kServicesKeyPath + names[i]);
        if (!key) continue;
        const std::optional<RegData> start = valueOf(*key, "Start");
        if (!start || start->type != 4 || start->data.size() != 4) continue;
        s.installed = true;
        for (int b = 3; b >= 0; --b) s.start = (s.start << 8) | uint8_t(start->data[size_t(b)]);
        const std::optional<RegData> group = valueOf(*key, "Group");
        if (group && group->type == 1) s.group = group->data;
        s.dependOnService = textList(valueOf(*key, "DependOnService"));
        s.dependOnGroup = textList(valueOf(*key, "DependOnGroup"));
    }
    return services;
}

std::vector<tk::ReportList::Row> previewRows(const StartPreview& preview, const PreviewPhrases& phrases) {
    std::vector<tk::ReportList::Row> rows;
    for (const PreviewRow& r : preview.rows)
        rows.push_back({{r.displayName, startTypeName(r.now, phrases), startTypeName(r.after, phrases),
                         previewNote(r, phrases)},
                        r.eyeCatching()});
    return rows;
}

}  // namespace

StartPreview previewStartFile(const std::string& path, const std::vector<std::string>& names,
                              const std::vector<std::string>& displayNames) {
    const RegFileContent file = parseRegFile(regFileText(readFileBytes(path), ansiToUtf8));
    // The running services are asked for once, and only when a note depends on them.
    std::optional<std::set<std::string>> runningNow;
    auto running = [&runningNow](const ServiceNow& s) {
        if (!runningNow) runningNow = env().services->runningServices();
        return runningNow->count(upperName(utf8ToAnsi(s.systemName))) > 0;
    };
    return buildStartPreview(catalogueNow(names, displayNames), startTargets(file), running);
}

void ConfigPage::showStartPreview(const std::string& path, bool undo) {
    previewPath_ = path;
    previewOfUndo_ = undo;
    const PreviewPhrases phrases = phrasesOf(host_.currentLanguageFile());
    PreviewList->setColumnCaptions(previewColumns(phrases));
    if (!fileExists(path)) {
        PreviewList->setRows({});
        PreviewSummaryLabel->setText(formatMessage(phrases(msg::kPreviewNoFile), path));
        return;
    }
    const StartPreview preview = previewStartFile(path, state.ServiceSysName.items(), state.ServiceNameCB.items());
    PreviewList->setRows(previewRows(preview, phrases));
    std::string summary = previewSummary(preview, phrases);
    if (undo) summary += ". " + phrases(msg::kPreviewUndoHint);
    PreviewSummaryLabel->setText(summary);
}

void ConfigPage::refreshStartPreview() {
    if (!previewPath_.empty()) showStartPreview(previewPath_, previewOfUndo_);
}

void ConfigPage::ConfigUndoPreviewClick() {
    showStartPreview(programFolder() + kRegistryFolder + kStartTypesSnapshot, true);
}

}  // namespace qlmr
