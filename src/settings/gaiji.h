#pragma once

#include <QString>

#include "platform/program_key.h"

namespace sorvik::platform {
class KeyStore;
}

namespace sorvik::settings {

// The substitute for the star-name character that Shift-JIS lacks, chosen by its code and kept
// in the key store (Sys\Gaiji1). It takes effect at the next start.
inline const QString kSpecialCharKey = platform::programKey(QStringLiteral("Sys"));
inline constexpr auto kSpecialCharValue = "Gaiji1";
inline constexpr auto kDefaultSpecialCharCode = "8E45";  // 殺

// The character of a four-digit Shift-JIS code, or an empty character with the message of the
// refusal. Whether the pair is a real Shift-JIS character is not examined.
struct SjisCodeResult {
    QString character;
    QString error;  // empty when the code was read
};
SjisCodeResult ParseSjisCode(const QString& code);

// What a table file stores in the name column of a star row: the display name, or the
// catalogue's own name when the substitute character cannot stand there (no Shift-JIS code, or
// a comma or line end that would split the row). The column is rewritten on reading anyway.
QString storableStarName(const QString& displayName, int starNumber);

// The stored code, or the default when there is none.
QString storedSpecialCharCode(const platform::KeyStore& keys);
void storeSpecialCharCode(platform::KeyStore& keys, const QString& code);

}  // namespace sorvik::settings
