#include "texts/combinations.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/text_file.h"

namespace sorvik::texts {
namespace {

TEST(CombinationRecord, KeyIsTenFixedCharactersThenText) {
    const CombinationRecord record{1, 7, kNoStarB, CombinationKind::SamePalace,
                                   QStringLiteral("紫府/r同宮")};
    const QString line = formatCombinationRecord(record);
    EXPECT_EQ(line, QStringLiteral("  1  7  10紫府/r同宮"));
    EXPECT_EQ(line.mid(10), record.text);
    EXPECT_EQ(parseCombinationRecord(line), record);

    EXPECT_EQ(formatCombinationRecord({128, 129, kNoStarB, CombinationKind::SameOrTrine, {}}),
              QStringLiteral("128129  11"));
    EXPECT_EQ(formatCombinationRecord({26, 27, 28, CombinationKind::SameOrTrine, {}}),
              QStringLiteral(" 26 27 281"));
    EXPECT_THROW(formatCombinationRecord({129, 1, kNoStarB, CombinationKind::SamePalace, {}}),
                 std::invalid_argument);
    EXPECT_THROW(formatCombinationRecord({1, 7, 5, CombinationKind::SamePalace, {}}),
                 std::invalid_argument);
    EXPECT_THROW(formatCombinationRecord({1, 7, kNoStarB, static_cast<CombinationKind>(2), {}}),
                 std::invalid_argument);
}

TEST(CombinationRecord, LinesNotOfTheRecordFormAreNotRecords) {
    for (const char* line : {"", "  1  7  1", "  1  7  12text", "  1 x7  10", "          "}) {
        EXPECT_FALSE(parseCombinationRecord(QString::fromUtf8(line))) << line;
    }
}

TEST(CombinationFile, HeadingOnlyHasNoRecordsAndAFileRoundTrips) {
    QTemporaryDir dir;
    platform::writeSjisLines(dir.filePath("DSETUF1.DAT"), {QStringLiteral("命宮の組み合わせ")});
    CombinationFile file = readCombinationFile(dir.path(), 1);
    EXPECT_EQ(file.heading, QStringLiteral("命宮の組み合わせ"));
    EXPECT_EQ(file.recordCount(), 0);

    file.addOrReplace({1, 7, kNoStarB, CombinationKind::SamePalace, QStringLiteral("一")});
    file.addOrReplace({1, 11, kNoStarB, CombinationKind::SamePalace, QStringLiteral("二")});
    file.addOrReplace(
        {1, 7, kNoStarB, CombinationKind::SamePalace, QStringLiteral("三")});  // same key: in place
    file.addOrReplace({1, 7, kNoStarB, CombinationKind::SameOrTrine, QStringLiteral("四")});
    writeCombinationFile(dir.path(), 1, file);

    EXPECT_EQ(platform::readSjisLines(dir.filePath("DSETUF1.DAT")),
              QStringList({QStringLiteral("命宮の組み合わせ"), QStringLiteral("  1  7  10三"),
                           QStringLiteral("  1 11  10二"), QStringLiteral("  1  7  11四")}));
    EXPECT_EQ(readCombinationFile(dir.path(), 1).recordCount(), 3);
    EXPECT_EQ(readCombinationFile(dir.path(), 2).recordCount(), 0);  // no such file
}

TEST(CombinationLookup, KindStarBAndFileOrderDecide) {
    const QStringList records = {
        QStringLiteral("garbage"),
        QStringLiteral("  1  7  11府・加会"),    // 紫微 with 天府, same palace or trine
        QStringLiteral("  1  7  10府・同宮"),    // shadowed by the record above for kind 0
        QStringLiteral("  1 11  10相・同宮"),    // 紫微 with 天相, same palace only
        QStringLiteral("  1 14 131破軍か七殺"),  // star Ｂ 13 is not greater than star Ａ 14
        QStringLiteral("  1 15 161昌か曲"),      // star Ｂ 16 greater than star Ａ 15
        QStringLiteral("  7  1  10府から紫"),    // star １ is 天府: not read for 紫微
    };
    struct Case {
        int a;
        int b;
        CombinationKind kind;
        const char16_t* text;  // nullptr: no record
    };
    const Case cases[] = {
        {1, 7, CombinationKind::SamePalace, u"府・加会"},  // first match in file order
        {1, 7, CombinationKind::SameOrTrine, u"府・加会"},
        {1, 11, CombinationKind::SamePalace, u"相・同宮"},
        {1, 11, CombinationKind::SameOrTrine, nullptr},  // kind 1 wanted takes only kind 1
        {1, 14, CombinationKind::SameOrTrine, u"破軍か七殺"},
        {1, 13, CombinationKind::SameOrTrine, nullptr},
        {1, 16, CombinationKind::SameOrTrine, u"昌か曲"},
        {1, 15, CombinationKind::SamePalace, u"昌か曲"},
        {7, 1, CombinationKind::SamePalace, u"府から紫"},
        {11, 1, CombinationKind::SamePalace, nullptr},
        {0, 7, CombinationKind::SamePalace, nullptr},
        {1, 0, CombinationKind::SamePalace, nullptr},
    };
    for (const Case& c : cases) {
        const auto found = findCombination(records, c.a, c.b, c.kind);
        if (c.text == nullptr) {
            EXPECT_FALSE(found) << c.a << " " << c.b << " " << static_cast<int>(c.kind);
        } else {
            ASSERT_TRUE(found) << c.a << " " << c.b << " " << static_cast<int>(c.kind);
            EXPECT_EQ(found->text, QString::fromUtf16(c.text));
        }
    }
}

TEST(Headings, ReadAsTheDescriptionShowsThem) {
    EXPECT_EQ(starInPalaceHeading(QStringLiteral("紫微星"), QStringLiteral("命　宮")),
              QStringLiteral("【紫微星 が、命　宮にある時】"));
    EXPECT_EQ(combinationHeading(QStringLiteral("命　宮"), QStringLiteral("紫微星"),
                                 QStringLiteral("天府星"), CombinationKind::SamePalace),
              QStringLiteral("<<命　宮 で、紫微星と天府星が、同宮した時>>"));
    EXPECT_EQ(combinationHeading(QStringLiteral("財帛宮"), QStringLiteral("化禄星"),
                                 QStringLiteral("化権星"), CombinationKind::SameOrTrine),
              QStringLiteral("<<財帛宮 で、化禄星と化権星が、同宮加会した時>>"));
    EXPECT_EQ(patternHeading(QStringLiteral("紫府同宮")), QStringLiteral("【 紫府同宮 】"));
}

}  // namespace
}  // namespace sorvik::texts
