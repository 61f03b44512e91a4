// The texts that ship: every file in its layout, and a text for every star, pattern and
// combination the program is expected to have something to say about.

#include <QDir>

#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "texts/combinations.h"
#include "texts/line_break.h"
#include "texts/text_files.h"

namespace sorvik::texts {
namespace {

const QString kFolder = QStringLiteral(SORVIK_BIN_DIR);

// Stars 1..32: the 14 main stars, 文昌 文曲 左輔 右弼 天魁 天鉞 禄存, 擎羊 陀羅 火星 鈴星,
// 化禄 化権 化科 化忌, 天馬 地劫 天空.
constexpr int kPalaceTextStars = 32;

// Every pair of main stars that placement can put into one palace.
constexpr int kMainPairs[][2] = {
    {1, 7}, {1, 9},  {1, 11}, {1, 13}, {1, 14},  // 紫微 天府 貪狼 天相 七殺 破軍
    {2, 8}, {2, 10}, {2, 12},                    // 天機 太陰 巨門 天梁
    {3, 8}, {3, 10}, {3, 12},                    // 太陽 太陰 巨門 天梁
    {4, 7}, {4, 9},  {4, 11}, {4, 13}, {4, 14},  // 武曲 天府 貪狼 天相 七殺 破軍
    {5, 8}, {5, 10}, {5, 12},                    // 天同 太陰 巨門 天梁
    {6, 7}, {6, 9},  {6, 11}, {6, 13}, {6, 14},  // 廉貞 天府 貪狼 天相 七殺 破軍
};

// Every line ends in CR LF: the file is read back line for line as it was written.
void expectCrLfLines(const QString& name, qsizetype lines) {
    const QByteArray bytes = platform::readWholeFile(QDir(kFolder).filePath(name));
    EXPECT_EQ(bytes.count("\r\n"), lines) << name.toStdString();
    EXPECT_EQ(bytes.count('\n'), lines) << name.toStdString();
}

TEST(ShippedTexts, EveryStarHasANatureAndADescription) {
    const QStringList lines = readStarLines(kFolder);
    expectCrLfLines(starFileName(), kStarLineCount);
    for (int star = 1; star <= kStarLineCount; ++star) {
        const StarLine split = splitStarLine(lines.at(star - 1));
        EXPECT_FALSE(split.nature.isEmpty()) << "star " << star;
        EXPECT_FALSE(split.description.isEmpty()) << "star " << star;
    }
}

TEST(ShippedTexts, EveryPatternHasItsText) {
    const QStringList lines = readPatternLines(kFolder);
    expectCrLfLines(patternFileName(), kPatternLineCount);
    EXPECT_EQ(lines.count(QString()), 0);
}

TEST(ShippedTexts, EveryPalaceFileHasAHeadingAndTheThirtyTwoStars) {
    for (int n = 1; n <= kPalaceFileCount; ++n) {
        const QStringList lines = readPalaceLines(kFolder, n);
        ASSERT_EQ(lines.size(), kPalaceLineCount) << n;
        expectCrLfLines(palaceFileName(n), kPalaceLineCount);
        EXPECT_FALSE(lines.at(0).isEmpty()) << "heading of " << n;
        for (int star = 1; star <= kPalaceTextStars; ++star) {
            EXPECT_FALSE(lines.at(star).isEmpty()) << "palace file " << n << ", star " << star;
        }
        EXPECT_TRUE(lines.at(kPalaceLineCount - 1).isEmpty()) << n;
    }
}

TEST(ShippedTexts, EveryCombinationFileHasTheMainPairsAndTrineMeetings) {
    for (int n = 1; n <= kCombinationFileCount; ++n) {
        const CombinationFile file = readCombinationFile(kFolder, n);
        expectCrLfLines(combinationFileName(n), file.recordCount() + 1);
        EXPECT_FALSE(file.heading.isEmpty()) << n;
        int trineMeetings = 0;
        for (const QString& line : file.records) {
            const auto record = parseCombinationRecord(line);
            ASSERT_TRUE(record) << n << ": " << line.toStdString();
            EXPECT_FALSE(record->text.isEmpty()) << n << ": " << line.toStdString();
            trineMeetings += record->kind == CombinationKind::SameOrTrine ? 1 : 0;
        }
        for (const auto& pair : kMainPairs) {
            const auto record =
                findCombination(file.records, pair[0], pair[1], CombinationKind::SamePalace);
            EXPECT_TRUE(record) << "combination file " << n << ": " << pair[0] << "+" << pair[1];
        }
        EXPECT_GE(trineMeetings, 3) << "combination file " << n << ": meetings from the trine";
    }
}

}  // namespace
}  // namespace sorvik::texts
