#include "registry/history_text.h"

#include <map>

#include "lang/message_format.h"

namespace qlmr {
namespace {

struct Phrase {
    const char* key;
    const char* russian;
};

constexpr Phrase kBuiltin[] = {
    {"HistoryColumns", "Когда|Действие|Файл|Значений|Результат"},
    {"HistoryValueColumns", "Служба|Значение|Было|Стало"},
    {"HistoryActionApply", "Применение конфигурации"},
    {"HistoryActionUndo", "Отмена конфигурации"},
    {"HistoryActionDescriptionsIn", "Смена описания сервисов"},
    {"HistoryActionDescriptionsBack", "Возврат описания сервисов"},
    {"HistoryActionRestore", "Восстановление из резервной копии"},
    {"HistoryActionStartType", "Тип запуска службы"},
    {"HistoryActionChangeUndo", "Отмена изменения"},
    {"HistoryResultAll", "совпали все (%s)"},
    {"HistoryResultSome", "совпали %s"},
    {"HistoryResultDeclined", "отклонён: ничего не изменилось"},
    {"HistoryResultUnread", "файл не прочитан"},
    {"HistoryResultUnchecked", "не проверено"},
    {"HistoryNoValue", "нет значения"},
    {"HistoryNoChoice", "Сначала выберите изменение в списке."},
    {"HistoryQuestion", "Отменить изменение от %s? Службам вернутся значения, которые были до него."},
    {"HistoryNothingChanges", "Сейчас реестр уже содержит эти значения: ничего не изменится."},
    {"HistoryWillChange", "Изменится:"},
    {"HistoryMore", "и ещё %s"},
    {"HistoryDamaged", "Запись журнала %s повреждена или не найдена: её значения не прочитаны."},
};

struct ActionName {
    const char* action;
    const char* key;
};

constexpr ActionName kActions[] = {
    {"apply", "HistoryActionApply"},
    {"undo", "HistoryActionUndo"},
    {"descriptions-in", "HistoryActionDescriptionsIn"},
    {"descriptions-back", "HistoryActionDescriptionsBack"},
    {"restore", "HistoryActionRestore"},
    {"start-type", "HistoryActionStartType"},
    {"change-undo", "HistoryActionChangeUndo"},
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

std::string valueName(const CheckedValue& v) { return v.name.empty() ? std::string("@") : v.name; }

}  // namespace

std::string builtinHistoryPhrase(const std::string& key) {
    for (const Phrase& p : kBuiltin)
        if (key == p.key) return p.russian;
    return {};
}

std::vector<std::string> historyColumns(const HistoryPhrases& phrases) { return split(phrases("HistoryColumns")); }

std::vector<std::string> historyValueColumns(const HistoryPhrases& phrases) {
    return split(phrases("HistoryValueColumns"));
}

std::string historyActionName(const std::string& action, const HistoryPhrases& phrases) {
    for (const ActionName& a : kActions)
        if (action == a.action) return phrases(a.key);
    return action;
}

std::string historyResultText(const JournalResult& r, const HistoryPhrases& phrases) {
    switch (r.kind) {
    case JournalResult::Kind::AllMatched: return formatMessage(phrases("HistoryResultAll"), std::to_string(r.total));
    case JournalResult::Kind::SomeMatched:
        return formatMessage(phrases("HistoryResultSome"), std::to_string(r.matched) + " / " + std::to_string(r.total));
    case JournalResult::Kind::Declined: return phrases("HistoryResultDeclined");
    case JournalResult::Kind::FileUnread: return phrases("HistoryResultUnread");
    case JournalResult::Kind::Unchecked: break;
    }
    return phrases("HistoryResultUnchecked");
}

std::string historyValueText(const RegData& data, const HistoryPhrases& phrases) {
    return data.present ? describeRegData(data) : phrases("HistoryNoValue");
}

std::vector<std::vector<std::string>> historyRows(const std::vector<JournalEntry>& entries,
                                                  const HistoryPhrases& phrases) {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(entries.size());
    // The same few actions and results again and again: each text is made once.
    std::map<std::string, std::string> actions;
    for (const JournalEntry& e : entries) {
        auto [at, added] = actions.try_emplace(e.action);
        if (added) at->second = historyActionName(e.action, phrases);
        rows.push_back({e.stamp, at->second, e.file, std::to_string(e.values), historyResultText(e.result, phrases)});
    }
    return rows;
}

std::vector<std::vector<std::string>> historyValueRows(const std::vector<CheckedValue>& values,
                                                       const HistoryPhrases& phrases) {
    std::vector<std::vector<std::string>> rows;
    for (const CheckedValue& v : values)
        rows.push_back({v.service, valueName(v), historyValueText(v.before, phrases), historyValueText(v.expected, phrases)});
    return rows;
}

std::string historyUndoPreview(const std::vector<CheckedValue>& values, const HistoryPhrases& phrases, size_t limit) {
    std::vector<std::string> lines;
    size_t changing = 0;
    for (const CheckedValue& v : values) {
        if (v.before == v.expected) continue;
        if (++changing <= limit)
            lines.push_back(v.service + "\\" + valueName(v) + ": " + historyValueText(v.before, phrases) + " -> " +
                            historyValueText(v.expected, phrases));
    }
    if (changing == 0) return phrases("HistoryNothingChanges");
    std::string text = phrases("HistoryWillChange");
    for (const std::string& line : lines) text += "\n" + line;
    if (changing > limit) text += "\n" + formatMessage(phrases("HistoryMore"), std::to_string(changing - limit));
    return text;
}

}  // namespace qlmr
