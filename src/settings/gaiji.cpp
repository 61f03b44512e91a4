#include "gaiji.h"

#include <QByteArray>

#include "engine/catalogue.h"
#include "platform/errors.h"
#include "platform/key_store.h"
#include "platform/sjis.h"

namespace sorvik::settings {

namespace {

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    if (u >= u'a' && u <= u'f') {
        return u - u'a' + 10;
    }
    return -1;
}

}  // namespace

SjisCodeResult ParseSjisCode(const QString& code) {
    if (code.size() != 4) {
        return {{}, QStringLiteral("文字ｺｰﾄﾞは、４文字で指定して下さい。")};
    }
    QByteArray bytes;
    for (int i = 0; i < 4; i += 2) {
        const int high = hexDigit(code[i]);
        const int low = hexDigit(code[i + 1]);
        if (high < 0 || low < 0) {
            return {{}, QStringLiteral("『%1』は、不正なS-JISｺｰﾄﾞです。").arg(code)};
        }
        bytes.append(static_cast<char>(high * 16 + low));
    }
    return {platform::decodeSjis(bytes), {}};
}

QString storableStarName(const QString& displayName, int starNumber) {
    const bool breaksRow =
        displayName.contains(u',') || displayName.contains(u'\r') || displayName.contains(u'\n');
    if (!breaksRow) {
        try {
            platform::encodeSjis(displayName);
            return displayName;
        } catch (const platform::EncodingError&) {
        }
    }
    return QString::fromUtf8(engine::starInfo(starNumber).name);
}

QString storedSpecialCharCode(const platform::KeyStore& keys) {
    const QString& key = kSpecialCharKey;
    const QString value = QString::fromLatin1(kSpecialCharValue);
    return keys.hasValue(key, value) ? keys.readText(key, value)
                                     : QString::fromLatin1(kDefaultSpecialCharCode);
}

void storeSpecialCharCode(platform::KeyStore& keys, const QString& code) {
    keys.writeText(kSpecialCharKey, QString::fromLatin1(kSpecialCharValue), code);
    keys.sync();
}

}  // namespace sorvik::settings
