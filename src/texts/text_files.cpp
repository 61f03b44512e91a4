#include "text_files.h"

#include <stdexcept>

#include <QFileInfo>

#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "platform/file_names.h"
#include "platform/text_file.h"

namespace sorvik::texts {

namespace {

QStringList fixedCount(QStringList lines, int count) {
    lines.resize(count);
    return lines;
}

void checkNumber(int number, int last, const char* what) {
    if (number < 1 || number > last) {
        throw std::out_of_range(what);
    }
}

}  // namespace

QString starFileName() {
    return QStringLiteral("SEISETUF.DAT");
}
QString patternFileName() {
    return QStringLiteral("KAKUKYOK.DAT");
}
QString editorCopyFileName() {
    return QStringLiteral("SETUFILE.DAT");
}

QString palaceFileName(int number) {
    checkNumber(number, kPalaceFileCount, "palace file number");
    return QStringLiteral("HSETUF%1.DAT").arg(number);
}

QString combinationFileName(int number) {
    checkNumber(number, kCombinationFileCount, "combination file number");
    return QStringLiteral("DSETUF%1.DAT").arg(number);
}

QString textFilePath(const QString& folder, const QString& name) {
    return platform::findFileIgnoringCase(folder, name);
}

QStringList readStarLines(const QString& folder, QList<int>* unreadableLines) {
    return fixedCount(
        platform::readSjisLines(textFilePath(folder, starFileName()), unreadableLines),
        kStarLineCount);
}

void writeStarLines(const QString& folder, const QStringList& lines) {
    platform::writeSjisLines(textFilePath(folder, starFileName()), lines);
}

QStringList readPatternLines(const QString& folder, QList<int>* unreadableLines) {
    return fixedCount(
        platform::readSjisLines(textFilePath(folder, patternFileName()), unreadableLines),
        kPatternLineCount);
}

void writePatternLines(const QString& folder, const QStringList& lines) {
    platform::writeSjisLines(textFilePath(folder, patternFileName()), lines);
}

QStringList readPalaceLines(const QString& folder, int number, QList<int>* unreadableLines) {
    return platform::readSjisLines(textFilePath(folder, palaceFileName(number)), unreadableLines);
}

void writePalaceLines(const QString& folder, int number, const QStringList& lines) {
    platform::writeSjisLines(textFilePath(folder, palaceFileName(number)), lines);
}

void writeEditorCopy(const QString& folder, const QStringList& lines) {
    platform::writeSjisLines(textFilePath(folder, editorCopyFileName()), lines);
}

QString unreadableTextsMessage(const QString& folder) {
    QStringList names = {starFileName(), patternFileName()};
    for (int n = 1; n <= kPalaceFileCount; ++n) {
        names.append(palaceFileName(n));
    }
    for (int n = 1; n <= kCombinationFileCount; ++n) {
        names.append(combinationFileName(n));
    }
    QStringList places;
    for (const QString& name : names) {
        const QString path = textFilePath(folder, name);
        if (!QFileInfo(path).isFile()) {
            continue;
        }
        QList<int> lines;
        try {
            platform::decodeSjisLines(platform::readWholeFile(path), &lines);
        } catch (const platform::FileError&) {
            continue;  // the file's own reader tells of that when it needs the file
        }
        if (!lines.isEmpty()) {
            places.append(QStringLiteral("『%1』の%2").arg(name, platform::lineNumbersText(lines)));
        }
    }
    if (places.isEmpty()) {
        return {};
    }
    return places.join(u'、') +
           QStringLiteral(
               "に、文字として読めないバイトがありました。"
               "その部分は「〓」と表示します。ファイルは、保存するまで元のままです。");
}

bool normalisePalaceFile(const QString& path) {
    // Lines are moved as stored bytes: a damaged byte in a user's text stays as it was instead
    // of being replaced by the decoder, and cannot keep the program from starting.
    const QByteArray stored = platform::readWholeFile(path);
    QList<QByteArray> lines = platform::splitStoredLines(stored).mid(0, kPalaceLineCount - 1);
    lines.resize(kPalaceLineCount);
    const QByteArray wanted = platform::joinStoredLines(lines);
    if (stored == wanted) {
        return false;
    }
    platform::writeFileAtomically(path, wanted);
    return true;
}

}  // namespace sorvik::texts
