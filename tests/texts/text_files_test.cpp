#include "texts/text_files.h"
#include "texts/line_break.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "platform/text_file.h"

namespace sorvik::texts {
namespace {

QByteArray fileBytes(const QString& path) {
    return platform::readWholeFile(path);
}

TEST(LineBreak, AThreeLineTextIsOneStoredLineAndReadsBackUnchanged) {
    const QString text = QStringLiteral("一行目\r\n二行目\r\n三行目");
    const QString stored = encodeLineBreaks(text);
    EXPECT_EQ(stored, QStringLiteral("一行目/r二行目/r三行目"));

    QTemporaryDir dir;
    const QString path = dir.filePath("KAKUKYOK.DAT");
    platform::writeSjisLines(path, {stored, QStringLiteral("次")});
    const QStringList lines = platform::readSjisLines(path);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(decodeLineBreaks(lines.at(0)), text);
}

TEST(LineBreak, EscapeWorksOnWholeCharacters) {
    // ビ is 0x83 0x72 in Shift-JIS: its second byte is "r". Beside "/" or "r" it must neither
    // start nor end a "/r".
    struct Case {
        const char16_t* stored;
        const char16_t* text;
    };
    const Case cases[] = {
        {u"/ビ", u"/ビ"},
        {u"ビr", u"ビr"},
        {u"ビ/ビr", u"ビ/ビr"},
        {u"ビ/rビ", u"ビ\r\nビ"},
        {u"//r", u"/\r\n"},
        {u"/r/r", u"\r\n\r\n"},
        {u"", u""},
    };
    for (const Case& c : cases) {
        const QString stored = QString::fromUtf16(c.stored);
        EXPECT_EQ(decodeLineBreaks(stored), QString::fromUtf16(c.text)) << stored.toStdString();
    }
}

TEST(LineBreak, LoneCrAndLfAreEncodedTooSoARecordStaysOnOneLine) {
    EXPECT_EQ(encodeLineBreaks(QStringLiteral("a\nb\rc\r\nd")), QStringLiteral("a/rb/rc/rd"));
    // A "/r" typed as text comes back as a line break: stored form cannot tell them apart.
    EXPECT_EQ(decodeLineBreaks(encodeLineBreaks(QStringLiteral("x/ry"))), QStringLiteral("x\r\ny"));
}

TEST(StarLine, SplitsAtTheFirstSeparatorOnly) {
    struct Case {
        const char16_t* line;
        const char16_t* nature;
        const char16_t* description;
    };
    const Case cases[] = {
        {u"帝王の星/t気品がある/t続き", u"帝王の星", u"気品がある/t続き"},
        {u"性質だけ", u"性質だけ", u""},
        {u"/t説明だけ", u"", u"説明だけ"},
        {u"", u"", u""},
    };
    for (const Case& c : cases) {
        const StarLine split = splitStarLine(QString::fromUtf16(c.line));
        EXPECT_EQ(split.nature, QString::fromUtf16(c.nature));
        EXPECT_EQ(split.description, QString::fromUtf16(c.description));
    }
    EXPECT_EQ(joinStarLine(QStringLiteral("性"), QStringLiteral("説")), QStringLiteral("性/t説"));
}

TEST(TextFiles, LoneCrAndLoneLfFilesReadAsLines) {
    QTemporaryDir dir;
    const QByteArray ends[] = {"\r\n", "\r", "\n"};
    for (const QByteArray& end : ends) {
        platform::writeFileAtomically(dir.filePath("SEISETUF.DAT"),
                                      "\x8E\x87\x94\xF7/t" + end + "/t\x93\x56\x8B\x40" + end);
        const QStringList lines = readStarLines(dir.path());
        ASSERT_EQ(lines.size(), kStarLineCount);
        EXPECT_EQ(lines.at(0), QStringLiteral("紫微/t"));
        EXPECT_EQ(lines.at(1), QStringLiteral("/t天機"));
        EXPECT_EQ(lines.at(2), QString());  // absent lines read as empty texts
    }
}

TEST(TextFiles, ShortAndLongStarAndPatternFilesReadAsFixedCounts) {
    QTemporaryDir dir;
    platform::writeSjisLines(dir.filePath("KAKUKYOK.DAT"), QStringList(50, QStringLiteral("x")));
    EXPECT_EQ(readPatternLines(dir.path()).size(), kPatternLineCount);
    platform::writeSjisLines(dir.filePath("SEISETUF.DAT"), {QStringLiteral("a")});
    EXPECT_EQ(readStarLines(dir.path()).size(), kStarLineCount);
}

TEST(TextFiles, FilesAreFoundAndRewrittenInTheUsersSpelling) {
    QTemporaryDir dir;
    platform::writeSjisLines(dir.filePath("HSetuF3.Dat"), {QStringLiteral("見出し")});
    EXPECT_EQ(readPalaceLines(dir.path(), 3), QStringList{QStringLiteral("見出し")});

    writePalaceLines(dir.path(), 3, {QStringLiteral("新しい見出し")});
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"HSetuF3.Dat"});
    EXPECT_EQ(palaceFileName(13), QStringLiteral("HSETUF13.DAT"));
    EXPECT_THROW(readPalaceLines(dir.path(), 4), platform::FileError);
}

TEST(TextFiles, UnreadableBytesAreMarkedByLineAndTheTextsStaySaveable) {
    QTemporaryDir dir;
    const QByteArray stored("\x90\xaf/t\x8e\x87\r\n\x80/t\r\nok/t\x81");
    platform::writeFileAtomically(dir.filePath("SEISETUF.DAT"), stored);
    QList<int> lines;
    const QStringList texts = readStarLines(dir.path(), &lines);
    EXPECT_EQ(lines, QList<int>({2, 3}));
    EXPECT_EQ(texts.mid(0, 3), QStringList({"星/t紫", "〓/t", "ok/t〓"}));
    EXPECT_EQ(fileBytes(dir.filePath("SEISETUF.DAT")), stored);
    EXPECT_NO_THROW(writeStarLines(dir.path(), texts));
}

TEST(TextFiles, AnUnencodableCharacterIsReportedAndNothingIsWritten) {
    QTemporaryDir dir;
    writePatternLines(dir.path(), {QStringLiteral("元の文")});
    const QString path = dir.filePath("KAKUKYOK.DAT");
    const QByteArray before = fileBytes(path);
    try {
        writePatternLines(dir.path(), {QStringLiteral("新しい문장")});
        FAIL() << "expected EncodingError";
    } catch (const platform::EncodingError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("문"))) << e.what();
    }
    EXPECT_EQ(fileBytes(path), before);
}

TEST(PalaceFiles, NormalisationKeepsLines0To129AndPadsTo131) {
    struct Case {
        int stored;
        bool rewritten;
    };
    const Case cases[] = {{100, true}, {131, false}, {200, true}};
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("HSETUF1.DAT");
        QStringList lines;
        for (int i = 0; i < c.stored; ++i) {
            lines.append(i == 130 ? QString() : QStringLiteral("行%1").arg(i));
        }
        platform::writeSjisLines(path, lines);

        EXPECT_EQ(normalisePalaceFile(path), c.rewritten) << c.stored;
        const QStringList result = platform::readSjisLines(path);
        ASSERT_EQ(result.size(), kPalaceLineCount) << c.stored;
        EXPECT_EQ(result.at(0), QStringLiteral("行0"));
        EXPECT_EQ(result.at(99), QStringLiteral("行99"));
        EXPECT_EQ(result.at(129), c.stored > 129 ? QStringLiteral("行129") : QString());
        EXPECT_EQ(result.at(130), QString());
    }
}

TEST(PalaceFiles, NormalisationRewritesUnusedLine130AndForeignLineEnds) {
    QTemporaryDir dir;
    const QString path = dir.filePath("HSETUF2.DAT");
    QStringList lines(kPalaceLineCount);
    lines[130] = QStringLiteral("余り");
    platform::writeSjisLines(path, lines);
    EXPECT_TRUE(normalisePalaceFile(path));
    EXPECT_EQ(platform::readSjisLines(path).at(130), QString());

    platform::writeFileAtomically(path, QByteArray(131, '\n'));
    EXPECT_TRUE(normalisePalaceFile(path));
    EXPECT_EQ(fileBytes(path), platform::encodeSjisLines(QStringList(kPalaceLineCount)));
    EXPECT_FALSE(normalisePalaceFile(path));
}

TEST(PalaceFiles, NormalisationKeepsDamagedBytesAsTheyAre) {
    // Bytes that are no Shift-JIS character: a code without one, a lead byte before a comma,
    // a lone lead byte before the line end and at the very end of the file.
    const QByteArray damaged[] = {
        QByteArray("\x85\x40", 2),
        QByteArray("\x82,", 2),
        QByteArray("\xA0\xFD\xFE\xFF", 4),
        QByteArray("\x82", 1),
    };
    for (const QByteArray& bytes : damaged) {
        QTemporaryDir dir;
        const QString path = dir.filePath("HSETUF3.DAT");
        QList<QByteArray> lines(kPalaceLineCount);
        lines[0] = "head";
        lines[5] = "ab" + bytes + "cd";
        const QByteArray normal = platform::joinStoredLines(lines);
        platform::writeFileAtomically(path, normal);
        EXPECT_FALSE(normalisePalaceFile(path)) << bytes.toHex().constData();
        EXPECT_EQ(fileBytes(path), normal);

        // Too short, and damaged in its last line without a line end.
        platform::writeFileAtomically(path, "head\r\n\r\nx" + bytes);
        EXPECT_TRUE(normalisePalaceFile(path)) << bytes.toHex().constData();
        QList<QByteArray> padded(kPalaceLineCount);
        padded[0] = "head";
        padded[2] = "x" + bytes;
        EXPECT_EQ(fileBytes(path), platform::joinStoredLines(padded)) << bytes.toHex().constData();
    }
}

}  // namespace
}  // namespace sorvik::texts
