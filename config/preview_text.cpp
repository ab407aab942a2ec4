#include "config/preview_text.h"

#include <vector>

#include "lang/message_format.h"

namespace qlmr {
namespace {

struct Phrase {
    const char* key;
    const char* russian;
};

const Phrase kBuiltin[] = {
    {"PreviewChanges", "Изменится %s служба|Изменится %s службы|Изменится %s служб"},
    {"PreviewDisabled", "%s будет отключена|%s будут отключены|%s будут отключены"},
    {"PreviewManual", "%s переведена в ручной режим|%s переведены в ручной режим|%s переведены в ручной режим"},
    {"PreviewAutomatic",
     "%s переведена в автоматический режим|%s переведены в автоматический режим|%s переведены в автоматический режим"},
    {"PreviewOther", "%s получит другой тип запуска|%s получат другой тип запуска|%s получат другой тип запуска"},
    {"PreviewNotInstalled",
     "%s служба из файла не установлена|%s службы из файла не установлены|%s служб из файла не установлены"},
    {"PreviewNothing", "Ничего не изменится"},
    {"PreviewRunning", "работает сейчас"},
    {"PreviewDependents", "от неё зависят: %s"},
    {"PreviewStart0", "Загрузка"},
    {"PreviewStart1", "Система"},
    {"PreviewStart2", "Авто"},
    {"PreviewStart3", "Вручную"},
    {"PreviewStart4", "Отключена"},
    {"PreviewColumns", "Служба|Сейчас|После|Примечание"},
    {"PreviewNoFile", "Файл %s не найден: сравнивать не с чем"},
    {"PreviewUndoHint",
     "Вернуть это можно и на странице \"Резервные копии\": выберите InitialAstState.reg и нажмите \"Добавить в реестр\""},
};

std::vector<std::string> splitForms(const std::string& forms) {
    std::vector<std::string> out(1);
    for (char c : forms) {
        if (c == '|')
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

size_t formIndex(size_t forms, long n) {
    if (forms >= 3) {
        const long tens = n % 100, ones = n % 10;
        if (ones == 1 && tens != 11) return 0;
        if (ones >= 2 && ones <= 4 && (tens < 12 || tens > 14)) return 1;
        return 2;
    }
    return forms == 2 && n != 1 ? 1 : 0;
}

}  // namespace

std::string builtinPreviewPhrase(const std::string& key) {
    for (const Phrase& p : kBuiltin)
        if (key == p.key) return p.russian;
    return {};
}

std::string pluralPhrase(const std::string& forms, long n) {
    const std::vector<std::string> all = splitForms(forms);
    return formatMessage(all[formIndex(all.size(), n)], std::to_string(n));
}

std::string previewSummary(const StartPreview& preview, const PreviewPhrases& phrases) {
    std::string text;
    if (preview.rows.empty()) {
        text = phrases("PreviewNothing");
    } else {
        text = pluralPhrase(phrases("PreviewChanges"), long(preview.rows.size())) + ": ";
        const int disabled = preview.countAfter(4), manual = preview.countAfter(3), automatic = preview.countAfter(2);
        const int other = int(preview.rows.size()) - disabled - manual - automatic;
        std::vector<std::string> parts;
        for (auto [key, n] : {std::pair{"PreviewDisabled", disabled}, std::pair{"PreviewManual", manual},
                              std::pair{"PreviewAutomatic", automatic}, std::pair{"PreviewOther", other}})
            if (n > 0) parts.push_back(pluralPhrase(phrases(key), n));
        for (size_t i = 0; i < parts.size(); ++i) text += (i ? ", " : "") + parts[i];
    }
    if (preview.notInstalled > 0) text += "; " + pluralPhrase(phrases("PreviewNotInstalled"), preview.notInstalled);
    return text;
}

std::vector<std::string> previewColumns(const PreviewPhrases& phrases) {
    return splitForms(phrases("PreviewColumns"));
}

std::string startTypeName(uint32_t start, const PreviewPhrases& phrases) {
    return start <= 4 ? phrases("PreviewStart" + std::to_string(start)) : std::to_string(start);
}

std::string previewNote(const PreviewRow& row, const PreviewPhrases& phrases) {
    std::string note;
    if (row.disablesRunning) note = phrases("PreviewRunning");
    if (!row.dependents.empty()) {
        std::string names;
        for (const std::string& n : row.dependents) names += (names.empty() ? "" : ", ") + n;
        note += (note.empty() ? "" : "; ") + formatMessage(phrases("PreviewDependents"), names);
    }
    return note;
}

}  // namespace qlmr
