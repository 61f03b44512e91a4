// The description files from any bytes: the star, pattern, palace and combination files load,
// the palace file is brought to its length keeping its bytes, and what loaded can be saved.
#include <QTemporaryDir>

#include "fuzz_input.h"
#include "platform/errors.h"
#include "platform/lines.h"
#include "platform/text_file.h"
#include "texts/combinations.h"
#include "texts/text_files.h"

namespace {

void mustStore(const QStringList& lines) {
    try {
        (void)sorvik::platform::encodeSjisLines(lines);
    } catch (const sorvik::platform::EncodingError&) {
        __builtin_trap();  // loaded texts that can never be saved
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sorvik::texts;
    static QTemporaryDir dir;
    for (const QString& name :
         {starFileName(), patternFileName(), palaceFileName(1), combinationFileName(1)}) {
        sorvik::fuzz::writeInput(dir.filePath(name), data, size);
    }
    mustStore(readStarLines(dir.path()));
    mustStore(readPatternLines(dir.path()));
    mustStore(readPalaceLines(dir.path(), 1));
    mustStore(combinationFileLines(readCombinationFile(dir.path(), 1)));
    (void)unreadableTextsMessage(dir.path());

    const QString palace = textFilePath(dir.path(), palaceFileName(1));
    normalisePalaceFile(palace);
    QFile file(palace);
    if (!file.open(QIODevice::ReadOnly)) {
        __builtin_trap();
    }
    const QList<QByteArray> lines = sorvik::platform::splitStoredLines(file.readAll());
    if (lines.size() != kPalaceLineCount) {
        __builtin_trap();
    }
    return 0;
}
