#include "key_store_file.h"

#include <QStringList>

#include "atomic_file.h"
#include "errors.h"
#include "key_store.h"
#include "program_key.h"

namespace sorvik::platform {

namespace {

const QString kHeader = QStringLiteral("REGEDIT4");
const QString kRoot = QStringLiteral("HKEY_CURRENT_USER\\");
const QString kHexPrefix = QStringLiteral("hex:");

QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
            case u'\\':
                out += QStringLiteral("\\\\");
                break;
            case u'"':
                out += QStringLiteral("\\\"");
                break;
            case u'\r':
                out += QStringLiteral("\\r");
                break;
            case u'\n':
                out += QStringLiteral("\\n");
                break;
            default:
                out += c;
        }
    }
    return out + u'"';
}

// The quoted text at the start of `text`; `rest` takes what follows the closing quote.
std::optional<QString> unquoted(QStringView text, QStringView& rest) {
    if (!text.startsWith(u'"')) {
        return std::nullopt;
    }
    QString out;
    for (qsizetype i = 1; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"') {
            rest = text.mid(i + 1);
            return out;
        }
        if (c != u'\\') {
            out += c;
            continue;
        }
        if (++i == text.size()) {
            return std::nullopt;
        }
        switch (text[i].unicode()) {
            case u'r':
                out += u'\r';
                break;
            case u'n':
                out += u'\n';
                break;
            case u'\\':
            case u'"':
                out += text[i];
                break;
            default:
                return std::nullopt;
        }
    }
    return std::nullopt;
}

void appendKey(const KeyStore& keys, const QString& key, QStringList& lines) {
    lines << QString() << u'[' + kRoot + key + u']';
    for (const QString& name : keys.valueNames(key)) {
        if (keys.isBinary(key, name)) {
            const QByteArray bytes = keys.readBinary(key, name);
            QStringList hex;
            for (const char byte : bytes) {
                hex << QStringLiteral("%1").arg(static_cast<unsigned char>(byte), 2, 16,
                                                QChar(u'0'));
            }
            lines << quoted(name) + u'=' + kHexPrefix + hex.join(u',');
        } else {
            lines << quoted(name) + u'=' + quoted(keys.readText(key, name));
        }
    }
    for (const QString& subkey : keys.subkeyNames(key)) {
        appendKey(keys, key + u'\\' + subkey, lines);
    }
}

std::optional<QByteArray> hexBytes(QStringView text) {
    QByteArray bytes;
    if (text.isEmpty()) {
        return bytes;
    }
    for (const QStringView piece : text.split(u',')) {
        bool ok = false;
        const uint value = piece.trimmed().toUInt(&ok, 16);
        if (!ok || value > 0xFF) {
            return std::nullopt;
        }
        bytes.append(static_cast<char>(value));
    }
    return bytes;
}

bool insideProgramKey(const QString& key) {
    const QString program = programKey();
    return key.compare(program, Qt::CaseInsensitive) == 0 ||
           key.startsWith(program + u'\\', Qt::CaseInsensitive);
}

}  // namespace

QString keyStoreText(const KeyStore& keys) {
    QStringList lines{kHeader};
    appendKey(keys, programKey(), lines);
    lines << QString();
    return lines.join(QStringLiteral("\r\n"));
}

void exportKeyStore(const KeyStore& keys, const QString& path) {
    writeFileAtomically(path, keyStoreText(keys).toUtf8());
}

std::vector<KeyStoreValue> parseKeyStoreText(const QByteArray& bytes, const QString& fileName) {
    const QString text = QString::fromUtf8(bytes);
    auto damaged = [&fileName](qsizetype number) {
        return DamagedFileError(
            QStringLiteral("『%1』の%2行目が読み込めません。").arg(fileName).arg(number));
    };
    const QStringList lines = text.split(u'\n');
    std::vector<KeyStoreValue> values;
    QString key;
    bool keyTaken = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        if (line.isEmpty() || (i == 0 && line == kHeader)) {
            continue;
        }
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']') || !line.startsWith(u'[' + kRoot, Qt::CaseInsensitive)) {
                throw damaged(i + 1);
            }
            key = line.mid(kRoot.size() + 1, line.size() - kRoot.size() - 2);
            keyTaken = insideProgramKey(key);
            continue;
        }
        QStringView rest;
        const std::optional<QString> name = unquoted(line, rest);
        if (!name || key.isEmpty() || !rest.startsWith(u'=')) {
            throw damaged(i + 1);
        }
        rest = rest.mid(1);
        KeyStoreValue value{key, *name, std::nullopt, {}};
        if (rest.startsWith(kHexPrefix)) {
            value.binary = hexBytes(rest.mid(kHexPrefix.size()));
            if (!value.binary) {
                throw damaged(i + 1);
            }
        } else {
            QStringView after;
            const std::optional<QString> content = unquoted(rest, after);
            if (!content || !after.isEmpty()) {
                throw damaged(i + 1);
            }
            value.text = *content;
        }
        if (keyTaken) {
            values.push_back(std::move(value));
        }
    }
    return values;
}

void mergeKeyStore(KeyStore& keys, const std::vector<KeyStoreValue>& values) {
    for (const KeyStoreValue& value : values) {
        if (value.binary) {
            keys.writeBinary(value.key, value.name, *value.binary);
        } else {
            keys.writeText(value.key, value.name, value.text);
        }
    }
    keys.sync();
}

}  // namespace sorvik::platform
