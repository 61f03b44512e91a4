#include "platform/comma_list.h"

#include <gtest/gtest.h>

namespace sorvik::platform {
namespace {

TEST(CommaList, ALastPieceWithoutItsCommaCountsOrIsDroppedAsTheReaderSays) {
    struct Case {
        const char16_t* text;
        qsizetype count;
        QStringList counts;
        QStringList dropped;
    };
    const Case cases[] = {
        {u"a,b,c,", 3, {"a", "b", "c"}, {"a", "b", "c"}},
        {u"a,b,c", 3, {"a", "b", "c"}, {"a", "b", ""}},
        {u"a,b", 4, {"a", "b", "", ""}, {"a", "", "", ""}},
        {u",,x,", 3, {"", "", "x"}, {"", "", "x"}},
        {u"a,b,c,d,", 2, {"a", "b"}, {"a", "b"}},  // pieces past the count are ignored
        {u"", 2, {"", ""}, {"", ""}},
        {u"表示する,表示しない", 2, {"表示する", "表示しない"}, {"表示する", ""}},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(readCommaList(text, c.count, LastPiece::Counts), c.counts) << text.toStdString();
        EXPECT_EQ(readCommaList(text, c.count, LastPiece::Dropped), c.dropped)
            << text.toStdString();
    }
}

TEST(CommaList, EveryCellIsFollowedByACommaAndReadsBack) {
    const QStringList cells = {"a", "", "紫微", ""};
    const QString text = joinCommaList(cells);
    EXPECT_EQ(text, QStringLiteral("a,,紫微,,"));
    EXPECT_EQ(readCommaList(text, 4, LastPiece::Dropped), cells);
    EXPECT_EQ(readCommaList(text, 4, LastPiece::Counts), cells);
    EXPECT_EQ(joinCommaList({}), QString());
}

}  // namespace
}  // namespace sorvik::platform
