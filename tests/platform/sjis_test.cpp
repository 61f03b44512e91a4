#include "platform/sjis.h"
#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "platform/text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace sorvik::platform {
namespace {

TEST(Sjis, CharactersThatDifferBetweenVariantsRoundTripAsCodePage932) {
    struct Case {
        const char16_t* text;
        QByteArray bytes;
    };
    const Case cases[] = {
        {u"～", QByteArray("\x81\x60", 2)},  // wave dash as code page 932 maps it (U+FF5E)
        {u"①", QByteArray("\x87\x40", 2)},
        {u"㈱", QByteArray("\x87\x8A", 2)},
        {u"髙", QByteArray("\xFB\xFC", 2)},
        {u"ｻﾂ", QByteArray("\xBB\xC2", 2)},
        {u"命　宮", QByteArray("\x96\xBD\x81\x40\x8B\x7B", 6)},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(encodeSjis(text).toHex(), c.bytes.toHex()) << text.toStdString();
        EXPECT_EQ(decodeSjis(c.bytes), text);
    }
}

TEST(Sjis, ACharacterWithoutCodeIsReportedByName) {
    try {
        encodeSjis(QStringLiteral("紫微😀"));
        FAIL() << "expected EncodingError";
    } catch (const EncodingError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("😀"))) << e.what();
        EXPECT_TRUE(e.message().contains(QStringLiteral("U+1F600"))) << e.what();
    }
    EXPECT_THROW(encodeSjis(QStringLiteral("한")), EncodingError);
}

TEST(Sjis, ByteCountsAndPrefixesNeverSplitACharacter) {
    EXPECT_EQ(sjisByteLength(QStringLiteral("命　宮")), 6);
    EXPECT_EQ(sjisByteLength(QStringLiteral("ab宮ｻ")), 5);
    EXPECT_EQ(sjisBytePrefix(QStringLiteral("命宮abc"), 3), QStringLiteral("命"));
    EXPECT_EQ(sjisBytePrefix(QStringLiteral("命宮abc"), 5), QStringLiteral("命宮a"));
    EXPECT_EQ(sjisBytePrefix(QStringLiteral("ab"), 10), QStringLiteral("ab"));
}

TEST(Sjis, LinesEndAtCrLfLoneCrAndLoneLf) {
    EXPECT_EQ(splitLines(QStringLiteral("a\r\nb\rc\nd")), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines(QStringLiteral("a\r\n\r\n")), QStringList({"a", ""}));
    EXPECT_EQ(splitLines(QString()), QStringList());
    // Stored bytes split where their text does.
    EXPECT_EQ(splitStoredLines("a\r\nb\rc\nd\r\n\r\n"),
              QList<QByteArray>({"a", "b", "c", "d", ""}));
}

TEST(TextFile, WritesCrLfAfterEveryLineAndReadsItBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.dat"));
    writeSjisLines(path, {QStringLiteral("紫微"), QString(), QStringLiteral("～")});
    EXPECT_EQ(readWholeFile(path), QByteArray("\x8E\x87\x94\xF7\r\n\r\n\x81\x60\r\n"));
    EXPECT_EQ(readSjisLines(path),
              QStringList({QStringLiteral("紫微"), QString(), QStringLiteral("～")}));
}

TEST(TextFile, AFailedWriteLeavesThePreviousFileIntact) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.dat"));
    writeSjisLines(path, {QStringLiteral("old")});
    EXPECT_THROW(writeSjisLines(path, {QStringLiteral("new"), QStringLiteral("😀")}), EncodingError);
    EXPECT_EQ(readSjisLines(path), QStringList({QStringLiteral("old")}));
    EXPECT_THROW(writeFileAtomically(dir.filePath(QStringLiteral("no/such/dir/x")), "x"),
                 FileError);
    EXPECT_THROW(readWholeFile(dir.filePath(QStringLiteral("missing"))), FileError);
}

}  // namespace
}  // namespace sorvik::platform
