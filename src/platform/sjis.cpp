#include "sjis.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include "errors.h"

namespace sorvik::platform {

namespace {

QStringEncoder makeEncoder() {
    return QStringEncoder("Shift_JIS", QStringConverter::Flag::Stateless);
}

bool encodable(QStringView character) {
    QStringEncoder encoder = makeEncoder();
    const QByteArray bytes = encoder.encode(character);
    if (encoder.hasError() || bytes.isEmpty()) {
        return false;
    }
    // Some converters substitute instead of reporting; a character is only encodable when it
    // comes back unchanged.
    QStringDecoder decoder("Shift_JIS", QStringConverter::Flag::Stateless);
    return QString(decoder.decode(bytes)) == character;
}

}  // namespace

QByteArray encodeSjis(const QString& text) {
    QStringEncoder encoder = makeEncoder();
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError() && decodeSjis(bytes) == text) {
        return bytes;
    }
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype width = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView character = QStringView(text).mid(i, width);
        if (!encodable(character)) {
            const QString code =
                QString::number(character.toString().toUcs4().value(0), 16).toUpper();
            throw EncodingError(QStringLiteral("文字「%1」(U+%2)は、Shift-JISで保存できません。")
                                    .arg(character.toString(), code.rightJustified(4, u'0')));
        }
        i += width;
    }
    return bytes;
}

QString decodeSjis(const QByteArray& bytes) {
    QStringDecoder decoder("Shift_JIS", QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

qsizetype sjisByteLength(const QString& text) {
    return encodeSjis(text).size();
}

QString sjisBytePrefix(const QString& text, qsizetype maxBytes) {
    qsizetype bytes = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype width = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const qsizetype size = encodeSjis(text.mid(i, width)).size();
        if (bytes + size > maxBytes) {
            break;
        }
        bytes += size;
        i += width;
    }
    return text.left(i);
}

}  // namespace sorvik::platform
