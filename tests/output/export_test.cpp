// The text and HTML exports over a small chart made by hand and palace files written for it.

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "engine/chart_record.h"
#include "output/chart_export.h"
#include "output/html_export.h"
#include "output/text_export.h"
#include "platform/text_file.h"
#include "texts/combinations.h"
#include "texts/text_files.h"

namespace sorvik::output {
namespace {

using engine::Branch;

const std::array<QString, 12> kPalaceNames = {"命　宮", "兄弟宮", "夫妻宮", "子女宮",
                                              "財帛宮", "疾厄宮", "遷移宮", "奴僕宮",
                                              "官禄宮", "田宅宮", "福徳宮", "父母宮"};

// 命宮 子, 金四局 forward, born in a 子 year, a man of 数え 30; every palace file has a text
// "Tn-s" for each star s unless a test writes it otherwise.
class ExportTest : public ::testing::Test {
  protected:
    ExportTest() {
        chart.labels = {"氏名：山田",
                        "2000/01/02 03:04生",
                        "陽男",
                        "旧暦1999年",
                        "金四局",
                        "数え30歳　斗君:子",
                        "命宮：子",
                        "身宮：午",
                        "　    納音命主：武曲",
                        "2024/12/25 10:30  ",
                        "甲辰年 "};
        engine::StarRow& header = chart.record.header();
        header[engine::kHeaderLifePalace] = 0;
        header[engine::kHeaderBureau] = 4;
        header[engine::kHeaderDirection] = 0;
        header[engine::kHeaderYearBranch] = 0;
        header[engine::kHeaderAge] = 30;
        for (int file = 1; file <= texts::kLuckPalaceFile; ++file) {
            writePalaceFile(file, 131);
        }
        patternLines.resize(engine::kPatternCount);
    }

    void writePalaceFile(int file, int lines, const std::map<int, QString>& texts = {}) const {
        QStringList content{QStringLiteral("heading")};
        for (int star = 1; star < lines; ++star) {
            content << (texts.contains(star) ? texts.at(star)
                                             : QStringLiteral("T%1-%2").arg(file).arg(star));
        }
        platform::writeSjisLines(QDir(folder.path()).filePath(texts::palaceFileName(file)),
                                 content);
    }
    void setStars(Branch palace, std::initializer_list<int> stars) {
        engine::PalaceStarList& list = chart.record.palaceStarLists[engine::index(palace)];
        int slot = 1;
        for (const int star : stars) {
            list[static_cast<std::size_t>(slot++)] = star;
        }
    }
    DescriptionText text() {
        const texts::LiveTexts live{{}, patternLines};
        return descriptionText(exported(), {folder.path(), live, names});
    }

    ChartExport exported() const { return {chart, grid, kPalaceNames, person, target, names}; }

    QTemporaryDir folder;
    engine::BirthMoment person{"山田", engine::Sex::Male, "2000/01/02", "03:04"};
    engine::DateTime target{{2024, 12, 25}, 10, 30};
    engine::Chart chart;
    strength::ChartGrid grid{{6, 2, 2}};
    engine::StarDisplayNames names = engine::BuildStarDisplayNames("殺");
    QStringList patternLines;
};

TEST_F(ExportTest, HeaderLinesCutTheTargetDateAtTenCharacters) {
    const std::pair<engine::DateTime, const char*> cases[] = {
        {{{2024, 3, 5}, 9, 7}, "造命 2024/3/5 9 甲辰年 "},
        {{{2024, 12, 25}, 10, 30}, "造命 2024/12/25 甲辰年 "},
    };
    for (const auto& [when, line] : cases) {
        target = when;
        const QStringList lines = text().lines;
        EXPECT_EQ(lines.at(0), QString::fromUtf8(line));
    }
    const QStringList lines = text().lines;
    EXPECT_EQ(lines.mid(1, 4),
              (QStringList{"氏名：山田", "2000/01/02 03:04生  陽男  旧暦1999年",
                           "金四局  数え30歳　斗君:子", "命宮：子  身宮：午   納音命主：武曲"}));
    EXPECT_EQ(exportFileName(person, ".txt"), QStringLiteral("氏名：山田.txt"));
    EXPECT_EQ(exportFileName(person, ".html"), QStringLiteral("氏名：山田.html"));
}

TEST_F(ExportTest, PatternsPalacesAndLuckInOrder) {
    chart.patterns = {engine::patternName(0).data(), engine::patternName(1).data()};
    patternLines[0] = QStringLiteral("格の説明/r二行目");
    patternLines[1] = QStringLiteral("次の格");
    setStars(Branch::Zi, {1, 24});
    setStars(Branch::Chou, {5});
    const QStringList lines = text().lines;
    const auto heading = [](int pattern) {
        return QStringLiteral("【 ") + QString::fromUtf8(engine::patternName(pattern).data()) +
               QStringLiteral(" 】");
    };
    // The patterns run on without empty lines; the palace entries keep theirs.
    const QStringList expectedStart{heading(0),
                                    "格の説明\r\n二行目",
                                    heading(1),
                                    "次の格",
                                    "",
                                    "★★★　推　命 ★★★",
                                    "",
                                    "●●●●●　命　宮:子　●●●●●",
                                    "【紫微星 が、命　宮にある時】",
                                    "T1-1",
                                    "",
                                    "【火星 が、命　宮にある時】",
                                    "T1-24",
                                    "",
                                    "●●●●●　兄弟宮:亥　●●●●●"};
    EXPECT_EQ(lines.mid(5, expectedStart.size()), expectedStart);
    const qsizetype luck = lines.indexOf("☆☆☆　行　運 ☆☆☆");
    ASSERT_GT(luck, 0);
    // Forward from 子 with 金四局: 子 4..13, 丑 14..23; 小限 of a man born in a 子 year.
    EXPECT_EQ(lines.mid(luck + 2, 5), (QStringList{"○○○○○　子　○○○○○　大限:4～13歳　小限:27歳",
                                                   "【紫微星 が、命　宮にある時】", "T13-1", "",
                                                   "【火星 が、命　宮にある時】"}));
    EXPECT_TRUE(lines.contains("○○○○○　丑　○○○○○　大限:14～23歳　小限:28歳"));
    EXPECT_TRUE(lines.contains("【天同星 が、父母宮にある時】"));  // 丑 is the 父母宮
    EXPECT_EQ(lines.last(), QStringLiteral("○○○○○　亥　○○○○○　大限:114～123歳　小限:26歳"));
}

TEST_F(ExportTest, ShortPalaceFileEndsTheTextAtItsStar) {
    // The 夫妻宮 of 命宮 子 stands in 戌; its file has lines for stars 1..19 only.
    writePalaceFile(3, 20);
    setStars(Branch::Xu, {1, 2, 3, 4, 30, 5});
    const DescriptionText result = text();
    EXPECT_TRUE(result.cutShort);
    const qsizetype heading = result.lines.indexOf("●●●●●　夫妻宮:戌　●●●●●");
    ASSERT_GT(heading, 0);
    QStringList expected;
    for (const int star : {1, 2, 3, 4}) {
        expected << QString::fromStdString("【" + engine::StarTitle(names, star) +
                                           " が、夫妻宮にある時】")
                 << QStringLiteral("T3-%1").arg(star) << QString();
    }
    EXPECT_EQ(result.lines.mid(heading + 1), expected);
}

TEST_F(ExportTest, EmptyStarLineStillGivesItsCombinations) {
    writePalaceFile(1, 131, {{1, QString()}});
    texts::CombinationFile combinations;
    combinations.heading = QStringLiteral("組合せ");
    combinations.addOrReplace(
        {1, 2, texts::kNoStarB, texts::CombinationKind::SamePalace, QStringLiteral("紫微と天機")});
    texts::writeCombinationFile(folder.path(), 1, combinations);
    setStars(Branch::Zi, {1, 2});
    const QStringList all = text().lines;
    const QStringList lines = all.mid(0, all.indexOf("☆☆☆　行　運 ☆☆☆"));
    EXPECT_FALSE(lines.contains("【紫微星 が、命　宮にある時】"));
    const qsizetype combination = lines.indexOf("紫微と天機");
    ASSERT_GT(combination, 0);
    EXPECT_EQ(lines.at(combination - 1),
              texts::combinationHeading("命　宮", "紫微星", "天機星",
                                        texts::CombinationKind::SamePalace));
    EXPECT_EQ(lines.mid(combination + 1, 2), (QStringList{"", "【天機星 が、命　宮にある時】"}));
}

TEST_F(ExportTest, HtmlStarLinesRunFromTheRightInEachStarRow) {
    // 巳's block is at the top left: columns 0..5, star rows 0 and 1.
    const char* stars[] = {"a", "b", "c", "d", "e", "f", "g", "h"};
    for (int i = 0; i < 8; ++i) {
        grid.setText(5 - i % 6, i / 6, stars[i]);
    }
    grid.setText(0, 2, "info 1");
    EXPECT_EQ(HtmlStarLines(grid, 0, 0),
              (QStringList{"a<BR>b<BR>c<BR>d<BR>e<BR>f<BR>", "g<BR>h<BR>"}));
    EXPECT_EQ(HtmlStarLines(grid, 1, 0), (QStringList{"", ""}));
    EXPECT_EQ(HtmlInfoLines(grid, 0, 2), (QStringList{"info 1<BR>", "<BR>"}));
}

TEST_F(ExportTest, HtmlPageFramesTheGridAroundTheCentre) {
    target = {{2024, 3, 5}, 9, 7};
    chart.patterns = {"格A", "格B"};
    const QStringList lines = WriteChartHtml(exported(), "T", "W");
    EXPECT_EQ(lines.mid(0, 9),
              (QStringList{"<HTML>", "<HEAD>", "<META name=\"GENERATOR\" content=\"T\">",
                           "<TITLE>氏名：山田</TITLE>", "</HEAD>", "<BODY>",
                           "<P>氏名：山田 さんの命盤</P>", "<TABLE border=\"1\">", "  <TBODY>"}));
    const QString centre =
        "造命 2024/3/5 9 甲辰年 <BR>氏名：山田<BR>2000/01/02 03:04生<BR>陽男<BR>旧暦1999年<BR>"
        "金四局<BR>数え30歳　斗君:子<BR>命宮：子<BR>身宮：午<BR>   納音命主：武曲<BR><BR>格A<BR>"
        "格B<BR><BR>";
    const qsizetype centreCell =
        lines.indexOf("      <TD colspan=\"2\" rowspan=\"4\" valign=\"middle\" align=\"center\">");
    ASSERT_GT(centreCell, 0);
    EXPECT_EQ(lines.at(centreCell + 1), centre);
    EXPECT_EQ(lines.at(centreCell + 2), "  </TD>");
    EXPECT_EQ(lines.mid(lines.size() - 8),
              (QStringList{"  </TBODY>", "</TABLE>",
                           "<P><A href=\"W\" target=\"_blank\">Created By T<FONT size=\"+1\">"
                           "　～Velmora～</FONT></A></P>",
                           "</BODY>", "</HTML>", "", "", ""}));
    // Y = 2, n = 2: the top row's four star cells of two lines and four info cells of two,
    // only the last info cell closed.
    EXPECT_EQ(lines.count("      <TD>"), 4 + 4 + 2 + 2 + 2 + 2 + 4 + 4);
}

}  // namespace
}  // namespace sorvik::output
