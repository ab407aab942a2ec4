#include "config/import_check.h"

#include "config/preview_text.h"
#include "config/start_preview.h"
#include "base/text_conversion.h"

namespace qlmr {
namespace {

constexpr uint32_t kSz = 1, kExpandSz = 2, kDword = 4, kMultiSz = 7;

bool isText(uint32_t type) { return type == kSz || type == kExpandSz || type == kMultiSz; }

// A text as the registry reports it: one string ends at its first NUL, a list loses its closing NULs.
std::string normalText(uint32_t type, std::string text) {
    if (type == kMultiSz) {
        while (!text.empty() && text.back() == '\0') text.pop_back();
        return text;
    }
    return text.substr(0, text.find('\0'));
}

RegData present(uint32_t type, std::string data) {
    RegData d;
    d.present = true;
    d.type = type;
    d.data = isText(type) ? normalText(type, std::move(data)) : std::move(data);
    return d;
}

RegData fileData(const RegValue& v, bool unicode, const AnsiDecoder& ansiToUtf8) {
    switch (v.kind) {
    case RegValueKind::String: return present(kSz, v.text);
    case RegValueKind::Delete: return RegData{};
    case RegValueKind::Dword: {
        std::string bytes(4, '\0');
        for (int i = 0; i < 4; ++i) bytes[size_t(i)] = char((v.dword >> (8 * i)) & 0xFF);
        return present(kDword, bytes);
    }
    case RegValueKind::Hex:
        if (!isText(v.hexType)) return present(v.hexType, v.bytes);
        return present(v.hexType, unicode ? utf16leToUtf8(v.bytes) : ansiToUtf8(v.bytes));
    }
    return RegData{};
}

std::string hexBytes(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    const size_t shown = bytes.size() < 16 ? bytes.size() : 16;
    for (size_t i = 0; i < shown; ++i) {
        if (i) out += ',';
        out += digits[uint8_t(bytes[i]) >> 4];
        out += digits[uint8_t(bytes[i]) & 0xF];
    }
    return shown < bytes.size() ? out + ",..." : out;
}

}  // namespace

RegData registryData(uint32_t type, std::string_view bytes) {
    return present(type, isText(type) ? utf16leToUtf8(bytes) : std::string(bytes));
}

std::vector<CheckedValue> valuesToCheck(const RegFileContent& file, const std::vector<std::string>& services,
                                        const AnsiDecoder& ansiToUtf8) {
    std::vector<CheckedValue> values;
    for (const RegKey& key : file.keys) {
        const std::string service = serviceOfKeyPath(key.path);
        if (key.deleted || service.empty() || !containsNoCase(services, service)) continue;
        for (const RegValue& v : key.values) {
            CheckedValue checked{service, v.name, fileData(v, file.unicode, ansiToUtf8), {}, {}};
            bool replaced = false;
            for (CheckedValue& earlier : values)
                if (sameNameNoCase(earlier.service, service) && sameNameNoCase(earlier.name, v.name)) {
                    earlier = checked;
                    replaced = true;
                }
            if (!replaced) values.push_back(std::move(checked));
        }
    }
    return values;
}

std::string describeRegData(const RegData& d) {
    if (!d.present) return "нет значения";
    if (d.type == kDword && d.data.size() == 4) {
        uint32_t n = 0;
        for (int i = 3; i >= 0; --i) n = (n << 8) | uint8_t(d.data[size_t(i)]);
        return std::to_string(n);
    }
    if (d.type == kMultiSz) {
        std::string out = "\"";
        for (char c : d.data) out += c == '\0' ? std::string("\", \"") : std::string(1, c);
        return out + "\"";
    }
    if (isText(d.type)) return "\"" + d.data + "\"";
    return "hex(" + std::to_string(d.type) + "):" + hexBytes(d.data);
}

std::vector<std::string> importCheckLines(const std::vector<CheckedValue>& values, const std::string& fileName) {
    long matching = 0, changed = 0;
    for (const CheckedValue& v : values) {
        matching += v.after == v.expected;
        changed += v.after != v.before;
    }
    const long total = long(values.size());
    // "из" takes the genitive of the total; the verb follows the first count ("1 из 23 значений совпадает").
    std::string summary = "Проверка импорта: " + std::to_string(matching) + " из " +
                          pluralPhrase("%s значения|%s значений|%s значений", total) +
                          pluralPhrase(" совпадает| совпадают| совпадают", matching) + " с файлом " + fileName;
    if (matching < total && changed == 0) summary += "; ни одно значение не изменилось: импорт не выполнен";
    std::vector<std::string> lines = {summary};
    for (const CheckedValue& v : values) {
        if (v.after == v.expected) continue;
        const std::string name = v.name.empty() ? std::string("@") : v.name;
        lines.push_back("Значение не совпадает: " + v.service + "\\" + name + ": в реестре " +
                        describeRegData(v.after) + ", в файле " + describeRegData(v.expected));
    }
    return lines;
}

}  // namespace qlmr
