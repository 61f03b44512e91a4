// Writes the shipped star tables: the brightness of the natal stars from the 廟旺利陥 tables
// below, and the power of every star from its class and its brightness (see data/README.md).

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

#include <QDir>
#include <QString>
#include <QStringList>

#include "engine/catalogue.h"
#include "platform/errors.h"
#include "platform/text_file.h"

namespace {

using sorvik::engine::Branch;

constexpr std::array<std::string_view, 8> kMarks = {"・", "廟", "旺", "得", "利", "平", "不", "陥"};

// Brightness by branch 子 丑 寅 卯 辰 巳 午 未 申 酉 戌 亥; "・" where the tradition gives none
// (or where the star never stands).
struct BrightnessRow {
    int star;
    std::string_view marks;
};
constexpr BrightnessRow kBrightness[] = {
    {1, "平廟旺旺得旺廟廟旺旺得旺"},   // 紫微
    {2, "廟陥得旺利平廟陥得旺利平"},   // 天機
    {3, "陥不旺廟旺旺旺得得平不陥"},   // 太陽
    {4, "旺廟得利廟平旺廟得利廟平"},   // 武曲
    {5, "旺不利平平廟陥不旺平平廟"},   // 天同
    {6, "平利廟平利陥平利廟平利陥"},   // 廉貞
    {7, "廟廟廟得廟得旺廟得旺廟得"},   // 天府
    {8, "廟廟旺陥陥陥不不利不旺廟"},   // 太陰
    {9, "旺廟平利廟陥旺廟平利廟陥"},   // 貪狼
    {10, "旺不廟廟陥旺旺不廟廟陥旺"},  // 巨門
    {11, "廟廟廟陥得得廟得廟陥得得"},  // 天相
    {12, "廟旺廟廟旺陥廟旺陥得旺陥"},  // 天梁
    {13, "旺廟廟陥旺平旺廟廟陥旺平"},  // 七殺
    {14, "廟旺得陥旺平廟旺得陥旺平"},  // 破軍
    {15, "得廟陥利得廟陥利得廟陥利"},  // 文昌
    {16, "得廟平旺得廟陥旺得廟陥旺"},  // 文曲
    {17, "旺廟平旺廟平旺廟平旺廟平"},  // 左輔
    {18, "旺廟平旺廟平旺廟平旺廟平"},  // 右弼
    {21, "旺・廟旺・廟旺・廟旺・廟"},  // 禄存
    {22, "陥廟・陥廟・陥廟・陥廟・"},  // 擎羊
    {23, "・廟陥・廟陥・廟陥・廟陥"},  // 陀羅
    {24, "陥得廟利陥得廟利陥得廟利"},  // 火星
    {25, "陥得廟廟陥得廟廟陥得廟利"},  // 鈴星
    {30, "・・旺・・平・・旺・・平"},  // 天馬
};

// What a grade is worth with no brightness, 吉 above zero and 凶 below; the main 凶 stars are
// strong stars that turn harmful only when fallen.
int basePower(int classCode) {
    constexpr int kBase[15] = {0, 6, 3, 4, -4, 2, -2, 1, -1, 1, -1, 1, -1, 2, -2};
    return kBase[classCode];
}

// 廟 … 陥 raise or lower every star alike: a bright 凶 star does less harm.
int brightnessShift(int code) {
    constexpr int kShift[8] = {0, 4, 3, 2, 1, 0, -2, -4};
    return kShift[code];
}

int decodeMark(std::string_view mark) {
    const auto it = std::find(kMarks.begin(), kMarks.end(), mark);
    if (it == kMarks.end()) {
        throw std::runtime_error("unknown brightness mark");
    }
    return static_cast<int>(it - kMarks.begin());
}

std::array<std::array<int, 12>, 87> brightnessTable() {
    std::array<std::array<int, 12>, 87> table{};
    for (const BrightnessRow& row : kBrightness) {
        for (Branch b = 0; b < 12; ++b) {
            // Every mark is one three-byte character in UTF-8.
            table[static_cast<std::size_t>(row.star)][static_cast<std::size_t>(b)] =
                decodeMark(row.marks.substr(static_cast<std::size_t>(b) * 3, 3));
        }
    }
    return table;
}

QString headerLine() {
    QString line = ",";
    for (Branch b = 0; b < 12; ++b) {
        line += QString::fromUtf8(sorvik::engine::branchName(b).data()) + ',';
    }
    return line;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: sorvik-make-star-tables <data folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const sorvik::engine::StarDisplayNames names("殺");
    const auto brightness = brightnessTable();

    QStringList powerLines{headerLine()};
    QStringList brightnessLines{headerLine()};
    for (int star = 1; star <= sorvik::engine::kStarCount; ++star) {
        const QString name = QString::fromStdString(names[star]);
        QString powers = name + ',';
        QString codes = name + ',';
        for (Branch b = 0; b < 12; ++b) {
            const int code =
                star <= sorvik::engine::kNatalStarCount
                    ? brightness[static_cast<std::size_t>(star)][static_cast<std::size_t>(b)]
                    : 0;
            const int power = std::clamp(
                basePower(sorvik::engine::starInfo(star).classCode) + brightnessShift(code), -9,
                10);
            powers += QString::number(power) + ',';
            codes += QString::number(code) + ',';
        }
        powerLines.append(powers);
        if (star <= sorvik::engine::kNatalStarCount) {
            brightnessLines.append(codes);
        }
    }
    try {
        sorvik::platform::writeSjisLines(folder.filePath("HOSISUU.DAT"), powerLines);
        sorvik::platform::writeSjisLines(folder.filePath("HOSIBYOU.DAT"), brightnessLines);
    } catch (const sorvik::platform::FileError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
