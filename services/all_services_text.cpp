#include "services/all_services_text.h"

#include "lang/message_format.h"

namespace qlmr {
namespace {

struct Phrase {
    const char* key;
    const char* russian;
};

const Phrase kBuiltin[] = {
    {"AllServicesColumns", "Служба|Имя|Состояние|Тип запуска|№"},
    {"AllServicesExportColumns", "Описание|Путь"},
    {"AllServicesState1", "Остановлена"},
    {"AllServicesState2", "Запускается"},
    {"AllServicesState3", "Останавливается"},
    {"AllServicesState4", "Работает"},
    {"AllServicesState5", "Возобновляется"},
    {"AllServicesState6", "Приостанавливается"},
    {"AllServicesState7", "Приостановлена"},
    {"AllServicesDelayed", "Авто (отложенный запуск)"},
    {"AllServicesNoStart", "Не задан"},
    {"AllServicesDescription", "Описание: %s"},
    {"AllServicesPath", "Исполняемый файл: %s"},
    {"AllServicesDependsOn", "Зависит от: %s"},
    {"AllServicesDependents", "От неё зависят: %s"},
    {"AllServicesNone", "нет"},
    {"AllServicesChoose", "Выберите службу в списке"},
    {"AllServicesAsk", "Изменить тип запуска службы %s?"},
    {"AllServicesSameType", "У службы %s уже этот тип запуска"},
    {"AllServicesVital", "Службу %s нельзя отключить: без неё система может не загрузиться."},
};

std::vector<std::string> split(const std::string& text) {
    std::vector<std::string> out(1);
    for (char c : text) {
        if (c == '|')
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

std::string joined(const std::vector<std::string>& names, const PreviewPhrases& phrases) {
    if (names.empty()) return phrases("AllServicesNone");
    std::string text;
    for (const std::string& n : names) text += (text.empty() ? "" : ", ") + n;
    return text;
}

}  // namespace

std::string builtinAllServicesPhrase(const std::string& key) {
    for (const Phrase& p : kBuiltin)
        if (key == p.key) return p.russian;
    return builtinPreviewPhrase(key);
}

std::vector<std::string> allServicesColumns(const PreviewPhrases& phrases) {
    std::vector<std::string> columns = split(phrases("AllServicesColumns"));
    columns.resize(kServiceColumns);
    return columns;
}

std::vector<std::string> exportColumns(const PreviewPhrases& phrases) {
    std::vector<std::string> columns = allServicesColumns(phrases);
    std::vector<std::string> extra = split(phrases("AllServicesExportColumns"));
    extra.resize(2);
    columns.insert(columns.end(), extra.begin(), extra.end());
    return columns;
}

std::string serviceStateText(unsigned long state, const PreviewPhrases& phrases) {
    if (state >= 1 && state <= 7) return phrases("AllServicesState" + std::to_string(state));
    return std::to_string(state);
}

std::string serviceStartText(const ServiceEntry& e, bool delayedKnown, const PreviewPhrases& phrases) {
    if (!e.hasStart) return phrases("AllServicesNoStart");
    if (e.start == 2 && e.delayed && delayedKnown) return phrases("AllServicesDelayed");
    return startTypeName(e.start, phrases);
}

std::string serviceCell(const ServiceEntry& e, ServiceColumn column, bool delayedKnown, const PreviewPhrases& phrases) {
    switch (column) {
    case ServiceColumn::Display: return e.displayName;
    case ServiceColumn::System: return e.systemName;
    case ServiceColumn::State: return serviceStateText(e.state, phrases);
    case ServiceColumn::StartType: return serviceStartText(e, delayedKnown, phrases);
    case ServiceColumn::Number: return e.catalogueNumber > 0 ? std::to_string(e.catalogueNumber) : std::string();
    }
    return {};
}

std::string serviceInfoText(const ServiceLinks& links, const std::vector<std::string>& dependsOn,
                            const std::vector<std::string>& dependents, const PreviewPhrases& phrases) {
    const std::string lines[] = {
        formatMessage(phrases("AllServicesDescription"), links.description),
        formatMessage(phrases("AllServicesPath"), links.imagePath),
        formatMessage(phrases("AllServicesDependsOn"), joined(dependsOn, phrases)),
        formatMessage(phrases("AllServicesDependents"), joined(dependents, phrases)),
    };
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

}  // namespace qlmr
