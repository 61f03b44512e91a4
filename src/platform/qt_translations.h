#pragma once

class QCoreApplication;

namespace sorvik::platform {

// Qt's own texts (the file, font, colour and print dialogs, the standard buttons) in Japanese,
// from the translations installed with Qt. False when they are not installed: those texts then
// stay English.
bool installQtTranslations(QCoreApplication& app);

// A Japanese program whatever the system's LANG: Japanese dates, sizes and file-type names in
// the standard dialogs, and Qt's own texts in Japanese.
void speakJapanese(QCoreApplication& app);

}  // namespace sorvik::platform
