#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "platform/line_reader.h"
#include "platform/lines.h"
#include "platform/profile_file.h"
#include "platform/sjis.h"
#include "platform/text_file.h"

namespace sorvik::platform {
namespace {

QByteArray bytes(const char* text) {
    return QByteArray(text);
}

TEST(UnreadableBytes, EachSequenceThatIsNoCharacterBecomesOneMark) {
    struct Case {
        QByteArray stored;
        const char16_t* text;
        bool unreadable;
    };
    const Case cases[] = {
        {bytes("\x8E\x87\x94\xF7"), u"紫微", false},
        {bytes("a\x80"
               "b"),
         u"a〓b", true},                                 // starts no character
        {bytes("\xA0\xFD\xFE\xFF"), u"〓〓〓〓", true},  // nor these
        {bytes("\x8E\x87\x94"), u"紫〓", true},          // a lead byte cut off at the end
        {bytes("\x8E a"), u"〓 a", true},                // a lead byte before no trail byte
        {bytes("\x85\x40x"), u"〓x", true},              // a code without a character
        {bytes("\x81\xAC"), u"〓", false},               // the mark itself, as stored
    };
    for (const Case& c : cases) {
        bool unreadable = false;
        const QString text = decodeSjis(c.stored, unreadable);
        EXPECT_EQ(text, QString::fromUtf16(c.text)) << c.stored.toHex().toStdString();
        EXPECT_EQ(unreadable, c.unreadable) << c.stored.toHex().toStdString();
        if (c.unreadable) {
            EXPECT_NO_THROW(encodeSjis(text)) << c.stored.toHex().toStdString();
        }
    }
}

TEST(UnreadableBytes, LinesThatHeldThemAreNamedAndTheFileIsLeftAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath("list.nam");
    const QByteArray stored("ok\r\n\x82\xA0\xFF,\r\nok\n\x81\r\n");
    writeFileAtomically(path, stored);
    QList<int> lines;
    EXPECT_EQ(readSjisLines(path, &lines), QStringList({"ok", "あ〓,", "ok", "〓"}));
    EXPECT_EQ(lines, QList<int>({2, 4}));
    EXPECT_EQ(readWholeFile(path), stored);
    EXPECT_EQ(unreadableBytesMessage("list.nam", lines),
              "『list.nam』の2、4行目に、文字として読めないバイトがありました。"
              "その部分を「〓」に置き換えて読み込みました。ファイルは、保存するまで元のままです。");
    QList<int> many;
    for (int i = 1; i <= 12; ++i) {
        many.append(i * 2);
    }
    EXPECT_TRUE(unreadableBytesMessage("x", many).contains(
        "2、4、6、8、10、12、14、16、18、20行目ほか2行"));
}

TEST(UnreadableBytes, AProfileFileNamesTheLinesAndKeepsTheirBytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Default.ini");
    const QByteArray stored("[Sys]\r\nMeiExeName=ab\xFD\r\nMeiFolder=c:\\x\r\nOther=\x81\r\n");
    writeFileAtomically(path, stored);
    ProfileFile file(path);
    EXPECT_EQ(file.unreadableLines(), QList<int>({2, 4}));
    EXPECT_EQ(file.readString("Sys", "MeiExeName"), "ab〓");
    file.writeString("Sys", "MeiFolder", "d:\\y");
    EXPECT_EQ(file.bytes(), "[Sys]\r\nMeiExeName=ab\xFD\r\nMeiFolder=d:\\y\r\nOther=\x81\r\n");
}

TEST(UnreadableBytes, ACharacterThatCannotBeSavedIsNamedWithItsLine) {
    try {
        encodeSjisLines({"a", "b", QString(QChar::ReplacementCharacter)});
        FAIL() << "expected EncodingError";
    } catch (const EncodingError& e) {
        EXPECT_EQ(e.message(), "3行目の文字「\uFFFD」(U+FFFD)は、Shift-JISで保存できません。");
    }
}

TEST(DamagedFiles, AReadThatFailsHalfWayIsAnErrorNotAShortFile) {
    // /proc/self/mem opens but fails its first read, also for root, whom no permission stops.
    QTemporaryDir dir;
    const QString path = dir.filePath("HOSISUU.DAT");
    ASSERT_TRUE(QFile::link("/proc/self/mem", path));
    try {
        readWholeFile(path);
        FAIL() << "expected FileError";
    } catch (const FileError& e) {
        EXPECT_TRUE(e.message().contains("HOSISUU.DAT")) << e.what();
    }
}

// `summary /dev/zero` once read until the memory ran out.
TEST(DamagedFiles, OnlyARegularFileOfBoundedSizeIsRead) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe.nam");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& path : {fifo, QStringLiteral("/dev/zero"), dir.path()}) {
        try {
            readWholeFile(path);
            FAIL() << "expected FileError for " << path.toStdString();
        } catch (const FileError& e) {
            EXPECT_EQ(e.message(), "『" + path + "』は、ファイルではありません。");
        }
    }
    const QString ten = dir.filePath("ten.nam");
    writeFileAtomically(ten, "0123456789");
    EXPECT_EQ(readWholeFile(ten, 10), "0123456789");
    struct Case {
        QString path;  // /proc tells no size: only the read itself can stop there
        qint64 limit;
    };
    for (const Case& c : {Case{ten, 9}, Case{QStringLiteral("/proc/self/maps"), 9}}) {
        try {
            readWholeFile(c.path, c.limit);
            FAIL() << "expected FileError for " << c.path.toStdString();
        } catch (const FileError& e) {
            EXPECT_EQ(e.message(),
                      "『" + c.path + "』は、大きすぎるため読み込めません。（9バイトまで）");
        }
    }
}

// The reader of files too large to hold splits as the whole-file reader does, also where a
// piece it reads ends between the CR and the LF of a line end.
TEST(LineReader, GivesTheLinesOfTheWholeFileReader) {
    QTemporaryDir dir;
    const QString path = dir.filePath("lines.nam");
    const QByteArray longLine((1 << 16) - 1, 'x');
    const QList<QByteArray> cases = {
        "",
        "a",
        "a\r\nb\rc\nd",
        "a\r\n\r\n\n\r",
        "a\r\n\x1a",
        "a\x1a",
        "\x1a\r\n\x1a",
        longLine + "\r\nb\r\n",
        longLine + "x\r\n" + longLine + "\r",
    };
    for (const QByteArray& bytes : cases) {
        writeFileAtomically(path, bytes);
        QList<QByteArray> expected =
            splitStoredLines(bytes.endsWith('\x1a') ? bytes.chopped(1) : bytes);
        QList<QByteArray> lines;
        LineReader reader(path);
        QByteArray line;
        while (reader.next(line)) {
            lines.append(line);
        }
        EXPECT_EQ(lines, expected) << bytes.left(20).toStdString();
    }
    writeFileAtomically(path, "0123456789\r\n0123456789\r\n");
    try {
        LineReader reader(path, 20);
        FAIL() << "expected FileError";
    } catch (const FileError& e) {
        EXPECT_EQ(e.message(),
                  "『" + path + "』は、大きすぎるため読み込めません。（20バイトまで）");
    }
}

// What QSaveFile leaves behind when the process dies between writing and renaming.
TEST(AtomicWriter, LeftoversOfKilledSavesOfThisFileAreRemovedAndNothingElse) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QStringList ours = {"Default.nam.a1B2c3", "Default.nam.ZZZZZZ"};
    const QStringList others = {"Default.nam.abc12",  "Default.nam.abc1234", "Default.nam.ab-d_f",
                                "Other.nam.a1B2c3",   "default.nam.a1B2c3",  "Default.nam",
                                "xDefault.nam.a1B2c3"};
    for (const QString& name : ours + others) {
        writeFileAtomically(folder.filePath(name + ".src"), "copy");
        ASSERT_TRUE(QFile::rename(folder.filePath(name + ".src"), folder.filePath(name)));
    }
    ASSERT_TRUE(folder.mkdir("Default.nam.d1r2c3"));
    ASSERT_TRUE(
        QFile::link(folder.filePath("Other.nam.a1B2c3"), folder.filePath("Default.nam.L1nk00")));

    writeFileAtomically(folder.filePath("Default.nam"), "new");
    QStringList left =
        folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    QStringList expected = others + QStringList{"Default.nam.d1r2c3", "Default.nam.L1nk00"};
    left.sort();
    expected.sort();
    EXPECT_EQ(left, expected);
    EXPECT_EQ(readWholeFile(folder.filePath("Default.nam")), "new");
}

// A save once renamed a text file over a pipe, and as root over /dev/full.
TEST(AtomicWriter, OnlyARegularFileIsReplaced) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("out.nam");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString folder = dir.filePath("folder.nam");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.nam"));
    const QString link = dir.filePath("link.nam");
    ASSERT_TRUE(QFile::link(fifo, link));
    for (const QString& path : {fifo, folder, link}) {
        try {
            writeFileAtomically(path, "new");
            FAIL() << "expected FileError for " << path.toStdString();
        } catch (const FileError& e) {
            EXPECT_EQ(e.message(), "『" + path + "』は、ファイルではないため、書き込めません。");
        }
    }
    struct stat status {};
    ASSERT_EQ(::lstat(QFile::encodeName(fifo).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(),
        3);

    const QString fresh = dir.filePath("fresh.nam");
    writeFileAtomically(fresh, "new");
    writeFileAtomically(fresh, "newer");
    EXPECT_EQ(readWholeFile(fresh), "newer");
}

TEST(AtomicWriter, TheFolderIsSyncedAfterTheRename) {
    const QString strace = QStandardPaths::findExecutable("strace");
    if (strace.isEmpty()) {
        GTEST_SKIP() << "strace is not installed";
    }
    QTemporaryDir dir;
    const QString target = dir.filePath("Default.nam");
    QProcess process;
    process.start(strace, {"-f", "-qq", "-o", dir.filePath("calls.log"), "-e",
                           "trace=openat,rename,renameat,renameat2,linkat,fsync,fdatasync",
                           ATOMIC_WRITE_PROBE, target, "saved"});
    ASSERT_TRUE(process.waitForFinished(60000));
    if (process.exitCode() != 0 && !QFile::exists(target)) {
        GTEST_SKIP() << "strace cannot trace here: "
                     << process.readAllStandardError().toStdString();
    }
    ASSERT_EQ(readWholeFile(target), "saved");

    QFile log(dir.filePath("calls.log"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QStringList calls = QString::fromUtf8(log.readAll()).split(u'\n');
    // The rename (or link) that puts the file in place, then the folder opened and synced.
    qsizetype renamed = -1;
    for (qsizetype i = 0; i < calls.size(); ++i) {
        if ((calls[i].contains("rename") || calls[i].contains("linkat")) &&
            calls[i].contains("Default.nam\"") && calls[i].endsWith("= 0")) {
            renamed = i;
        }
    }
    ASSERT_GE(renamed, 0) << calls.join('\n').toStdString();
    const QRegularExpression folderOpen("openat\\(AT_FDCWD, \"" +
                                        QRegularExpression::escape(dir.path()) +
                                        "/?\", [^)]*O_DIRECTORY[^)]*\\) = (\\d+)");
    QString fd;
    bool synced = false;
    for (qsizetype i = renamed + 1; i < calls.size(); ++i) {
        const auto match = folderOpen.match(calls[i]);
        if (match.hasMatch()) {
            fd = match.captured(1);
        } else if (!fd.isEmpty() && calls[i].contains("fsync(" + fd + ")") &&
                   calls[i].endsWith("= 0")) {
            synced = true;
        }
    }
    EXPECT_TRUE(synced) << calls.join('\n').toStdString();
}

}  // namespace
}  // namespace sorvik::platform
