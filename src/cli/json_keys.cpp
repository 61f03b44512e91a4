#include "json_keys.h"

#include <vector>

#include <QJsonArray>
#include <QJsonDocument>

namespace sorvik::cli {

namespace {

// A key as written, quotes included; escapes are read by the JSON reader.
QString keyText(std::string_view quoted) {
    const QByteArray bytes(quoted.data(), static_cast<qsizetype>(quoted.size()));
    if (!bytes.contains('\\')) {
        return QString::fromUtf8(bytes.mid(1, bytes.size() - 2));
    }
    return QJsonDocument::fromJson('[' + bytes + ']').array().at(0).toString();
}

}  // namespace

std::optional<QString> repeatedKey(std::string_view object, qsizetype distinct) {
    std::vector<std::string_view> keys;
    int depth = 0;
    std::size_t stringStart = 0;
    std::string_view lastString;
    for (std::size_t i = 0; i < object.size(); ++i) {
        const char c = object[i];
        if (c == '"') {
            stringStart = i;
            for (++i; i < object.size() && object[i] != '"'; ++i) {
                i += object[i] == '\\' ? 1 : 0;
            }
            lastString = object.substr(stringStart, i + 1 - stringStart);
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if (c == '}' || c == ']') {
            --depth;
        } else if (c == ':' && depth == 1) {
            keys.push_back(lastString);
        }
    }
    if (static_cast<qsizetype>(keys.size()) == distinct) {
        return std::nullopt;
    }
    std::vector<QString> seen;
    seen.reserve(keys.size());
    for (const std::string_view key : keys) {
        QString text = keyText(key);
        for (const QString& before : seen) {
            if (before == text) {
                return text;
            }
        }
        seen.push_back(std::move(text));
    }
    return std::nullopt;
}

}  // namespace sorvik::cli
