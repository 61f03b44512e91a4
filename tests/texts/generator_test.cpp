#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/text_file.h"

namespace {

struct Generated {
    int exitCode;
    QString errors;
};

Generated generate(const QTemporaryDir& dir, const QString& sourceName, const QByteArray& source) {
    QDir(dir.path()).mkdir("src");
    QFile file(dir.filePath("src/" + sourceName));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(source);
    file.close();
    QProcess process;
    process.start(QStringLiteral(SORVIK_MAKE_TEXTS), {dir.filePath("src"), dir.filePath("out")});
    EXPECT_TRUE(process.waitForFinished());
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

TEST(Generator, WritesEveryFileAndFillsMissingSourcesWithEmptyTexts) {
    QTemporaryDir dir;
    const Generated run =
        generate(dir, "palace_01.txt",
                 "# 命宮の説明\n// note for writers\n## 7 天府\n\n一行目\n\n二行目\n\n"
                 "## 88 流羊\n流羊の文\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    QStringList palace = sorvik::platform::readSjisLines(dir.filePath("out/HSETUF1.DAT"));
    ASSERT_EQ(palace.size(), 131);
    EXPECT_EQ(palace.at(0), QStringLiteral("命宮の説明"));
    EXPECT_EQ(palace.at(7), QStringLiteral("一行目/r/r二行目"));
    EXPECT_EQ(palace.at(88), QStringLiteral("流羊の文"));
    EXPECT_EQ(palace.count(QString()), 128);

    EXPECT_EQ(sorvik::platform::readSjisLines(dir.filePath("out/SEISETUF.DAT")).size(), 129);
    EXPECT_EQ(sorvik::platform::readSjisLines(dir.filePath("out/KAKUKYOK.DAT")).size(), 39);
    EXPECT_EQ(sorvik::platform::readSjisLines(dir.filePath("out/HSETUF13.DAT")).size(), 131);
    EXPECT_EQ(sorvik::platform::readSjisLines(dir.filePath("out/DSETUF12.DAT")).size(), 1);
}

TEST(Generator, WritesStarNatureAndCombinationRecords) {
    QTemporaryDir dir;
    ASSERT_EQ(
        generate(dir, "stars.txt", "## 1 紫微 | 帝王の星\n品格\n## 60 陰ｻﾂ | 陰の星\n").exitCode,
        0);
    const QStringList stars = sorvik::platform::readSjisLines(dir.filePath("out/SEISETUF.DAT"));
    EXPECT_EQ(stars.at(0), QStringLiteral("帝王の星/t品格"));
    EXPECT_EQ(stars.at(59), QStringLiteral("陰の星/t"));

    ASSERT_EQ(
        generate(dir, "combos_03.txt", "# 夫妻\n## 1 7 0 0 紫府\n紫府の文\n## 26 27 28 1\n禄権\n")
            .exitCode,
        0);
    EXPECT_EQ(sorvik::platform::readSjisLines(dir.filePath("out/DSETUF3.DAT")),
              QStringList({QStringLiteral("夫妻"), QStringLiteral("  1  7  10紫府の文"),
                           QStringLiteral(" 26 27 281禄権")}));
}

TEST(Generator, ASourceFaultFailsWithFileAndLine) {
    struct Case {
        const char* file;
        const char* source;
        const char* message;
    };
    const Case cases[] = {
        {"palace_02.txt", "# 兄弟\n## 130 天機\n文\n", "palace_02.txt:2: error: star number"},
        {"palace_02.txt", "# 兄弟\n## 2 天府\n文\n", "palace_02.txt:2: error: star 2 is 天機"},
        {"palace_02.txt", "# 兄弟\n## 2 天機\n良い😀文\n", "palace_02.txt:3: error: 文字「😀」"},
        {"palace_02.txt", "## 2 天機\n文\n## 2 天機\n",
         "palace_02.txt:3: error: star 2 appears twice"},
        {"palace_02.txt", "本文\n## 2 天機\n", "palace_02.txt:1: error: text before"},
        {"palace_02.txt", "## 2 天機\n改行/rのつもり\n", "palace_02.txt:2: error: \"/r\""},
        {"patterns.txt", "## 36 探花\n文\n## 37 官封三代\n", ""},
        {"patterns.txt", "## 5 日月並明\n文\n", "patterns.txt:1: error: pattern 5 is 日照雷門"},
        {"stars.txt", "## 1 紫微\n文\n", "stars.txt:1: error: expected"},
        {"combos_01.txt", "## 1 7 5 0\n文\n", "combos_01.txt:1: error: star B"},
        {"combos_01.txt", "## 1 7 0 0\n文\n## 1 7 0 0 again\n", "combos_01.txt:3: error: the same"},
        {"combos_01.txt", "## 129 7 0 0\n", "combos_01.txt:1: error: star number"},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const Generated run = generate(dir, c.file, c.source);
        const QString message = QString::fromUtf8(c.message);
        EXPECT_EQ(run.exitCode, message.isEmpty() ? 0 : 1) << c.source;
        EXPECT_TRUE(run.errors.contains(message)) << run.errors.toStdString();
    }
}

}  // namespace
