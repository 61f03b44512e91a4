#include "engine/catalogue.h"

#include <gtest/gtest.h>

namespace sorvik::engine {
namespace {

TEST(Catalogue, StarTitlesKeepBlanksAndSkipTheStarSuffixForFireAndBell) {
    const StarDisplayNames names = BuildStarDisplayNames("煞");
    EXPECT_EQ(StarTitle(names, 1), "紫微星");
    EXPECT_EQ(StarTitle(names, 24), "火星");
    EXPECT_EQ(StarTitle(names, 25), "鈴星");
    EXPECT_EQ(StarTitle(names, 80), "衰　星");
}

TEST(Catalogue, DisplayNamesReplaceTheMissingCharacter) {
    const StarDisplayNames names = BuildStarDisplayNames("煞");
    EXPECT_EQ(names[60], "陰煞");
    EXPECT_EQ(names[111], "　劫煞");
    EXPECT_EQ(names[116], "　月煞");
    EXPECT_EQ(names[88], "　流羊");
    ASSERT_EQ(names.yearlyStarNames().size(), 43u);
    EXPECT_EQ(names.yearlyStarNames().front(), "流禄存");
    EXPECT_EQ(names.yearlyStarNames().back(), "流病府");
}

TEST(Catalogue, AttributeLabels) {
    EXPECT_EQ(elementLabel(starInfo(13).elementCode), "火金");
    EXPECT_EQ(elementLabel(starInfo(9).elementCode), "水木");
    EXPECT_EQ(elementLabel(starInfo(56).elementCode), "");
    const StarInfo& horse = starInfo(30);
    EXPECT_EQ(horse.classCode, 5);
    EXPECT_EQ(gradeLabel(horse.classCode), "乙");
    EXPECT_EQ(goodBadLabel(horse.classCode), "吉");
    EXPECT_EQ(dipperLabel(horse.dipperCode), "中天");
    EXPECT_EQ(gradeLabel(starInfo(87).classCode), "");
    EXPECT_EQ(goodBadLabel(starInfo(88).classCode), "凶");
    EXPECT_EQ(brightnessLabel(3), "得地");
    EXPECT_EQ(bureauName(4), "金四局");
    EXPECT_EQ(defaultPalaceName(0), "命　宮");
}

TEST(Catalogue, EveryStemGivesFourDistinctTransformedStars) {
    // Each 化 kind goes to exactly one star, never two kinds to the same one.
    for (int i = 0; i < kStemCount; ++i) {
        const Stem s = stemAt(i);
        for (int a = 0; a < 4; ++a) {
            for (int b = a + 1; b < 4; ++b) {
                EXPECT_NE(sihuaStar(s, a), sihuaStar(s, b)) << stemName(s);
            }
        }
    }
    EXPECT_EQ(sihuaStar(Stem::Jia, kLu), 6);
    EXPECT_EQ(sihuaStar(Stem::Gui, kJi), 9);
}

}  // namespace
}  // namespace sorvik::engine
