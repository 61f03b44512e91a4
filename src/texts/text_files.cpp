#include "text_files.h"

#include <stdexcept>

#include "platform/atomic_file.h"
#include "platform/file_names.h"
#include "platform/sjis.h"
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

QStringList readStarLines(const QString& folder) {
    return fixedCount(platform::readSjisLines(textFilePath(folder, starFileName())),
                      kStarLineCount);
}

void writeStarLines(const QString& folder, const QStringList& lines) {
    platform::writeSjisLines(textFilePath(folder, starFileName()), lines);
}

QStringList readPatternLines(const QString& folder) {
    return fixedCount(platform::readSjisLines(textFilePath(folder, patternFileName())),
                      kPatternLineCount);
}

void writePatternLines(const QString& folder, const QStringList& lines) {
    platform::writeSjisLines(textFilePath(folder, patternFileName()), lines);
}

QStringList readPalaceLines(const QString& folder, int number) {
    return platform::readSjisLines(textFilePath(folder, palaceFileName(number)));
}

void writePalaceLines(const QString& folder, int number, const QStringList& lines) {
    platform::writeSjisLines(textFilePath(folder, palaceFileName(number)), lines);
}

QStringList normalisedPalaceLines(const QStringList& lines) {
    // Line 130 is never used; cutting to 130 first keeps the start-up rule of old files.
    QStringList result = lines.mid(0, kPalaceLineCount - 1);
    result.resize(kPalaceLineCount);
    return result;
}

bool normalisePalaceFile(const QString& path) {
    const QByteArray stored = platform::readWholeFile(path);
    // A damaged byte decodes to a character Shift-JIS cannot store again, so such a file
    // throws here instead of being rewritten with the damage made permanent.
    const QByteArray wanted = platform::encodeSjisLines(
        normalisedPalaceLines(platform::splitLines(platform::decodeSjis(stored))));
    if (stored == wanted) {
        return false;
    }
    platform::writeFileAtomically(path, wanted);
    return true;
}

}  // namespace sorvik::texts
