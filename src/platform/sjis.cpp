#include "sjis.h"

#include <optional>

#include <QStringDecoder>
#include <QStringEncoder>

#include "errors.h"

namespace sorvik::platform {

namespace {

// One converter each per thread, made once: opening a converter costs more than converting a
// name. A converter that met an error is replaced, so that no error shows in the next text.
QStringEncoder& sjisEncoder() {
    static thread_local std::optional<QStringEncoder> encoder;
    if (!encoder || encoder->hasError()) {
        encoder.emplace("Shift_JIS", QStringConverter::Flag::Stateless);
    }
    return *encoder;
}

QStringDecoder& sjisDecoder() {
    static thread_local std::optional<QStringDecoder> decoder;
    if (!decoder || decoder->hasError()) {
        decoder.emplace("Shift_JIS", QStringConverter::Flag::Stateless);
    }
    return *decoder;
}

bool encodable(QStringView character) {
    QStringEncoder& encoder = sjisEncoder();
    const QByteArray bytes = encoder.encode(character);
    if (encoder.hasError() || bytes.isEmpty()) {
        return false;
    }
    // Some converters substitute instead of reporting; a character is only encodable when it
    // comes back unchanged.
    return QString(sjisDecoder().decode(bytes)) == character;
}

}  // namespace

QByteArray encodeSjis(const QString& text) {
    QStringEncoder& encoder = sjisEncoder();
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

namespace {

bool isLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

bool isTrailByte(unsigned char c) {
    return c >= 0x40 && c <= 0xFC && c != 0x7F;
}

// Bytes that stand for no character on their own (the decoder would give U+001A or U+FFFD).
bool isUnusedSingleByte(unsigned char c) {
    return c == 0x80 || c == 0xA0 || c >= 0xFD;
}

// Where every character of the bytes is well formed, the decoder's answer for the whole text
// is kept; otherwise character by character, so each bad one becomes one mark.
QString decodeByCharacter(const QByteArray& bytes, bool& unreadable) {
    QStringDecoder& decoder = sjisDecoder();
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        qsizetype width = 1;
        if (isLeadByte(c)) {
            if (i + 1 >= bytes.size() || !isTrailByte(static_cast<unsigned char>(bytes[i + 1]))) {
                text += kUnreadableMark;  // the next byte is read on its own
                unreadable = true;
                ++i;
                continue;
            }
            width = 2;
        } else if (isUnusedSingleByte(c)) {
            text += kUnreadableMark;
            unreadable = true;
            ++i;
            continue;
        }
        const QString character = decoder.decode(QByteArrayView(bytes).sliced(i, width));
        if (character.isEmpty() || character.contains(QChar::ReplacementCharacter)) {
            text += kUnreadableMark;
            unreadable = true;
        } else {
            text += character;
        }
        i += width;
    }
    return text;
}

bool wellFormed(const QByteArray& bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (isLeadByte(c)) {
            if (i + 1 >= bytes.size() || !isTrailByte(static_cast<unsigned char>(bytes[i + 1]))) {
                return false;
            }
            ++i;
        } else if (isUnusedSingleByte(c)) {
            return false;
        }
    }
    return true;
}

}  // namespace

QString decodeSjis(const QByteArray& bytes, bool& unreadable) {
    unreadable = false;
    if (wellFormed(bytes)) {
        QString text = sjisDecoder().decode(bytes);
        if (!text.contains(QChar::ReplacementCharacter)) {
            return text;
        }
    }
    return decodeByCharacter(bytes, unreadable);
}

QString decodeSjis(const QByteArray& bytes) {
    bool unreadable = false;
    return decodeSjis(bytes, unreadable);
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
