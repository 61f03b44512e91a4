#include "output/vertical_text.h"

#include <QFont>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace sorvik::output {
namespace {

// A star cell one digit wide: full-width characters one to a line, the power whole even when
// it is wider than the cell (it is drawn narrower), words parted only at blanks.
TEST(VerticalText, ThePowerStaysWholeUnderItsStarName) {
    QFont font;
    font.setPixelSize(12);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(u'1') + 1;
    ASSERT_GT(metrics.horizontalAdvance(QStringLiteral("10")), width);
    const std::pair<const char*, QStringList> cases[] = {
        {"武曲10", {"武", "曲", "10"}}, {"火星-8", {"火", "星", "-8"}},
        {"天府 7", {"天", "府", "7"}},  {"流昌 1 2", {"流", "昌", "1", "2"}},
        {"紫微", {"紫", "微"}},
    };
    for (const auto& [text, lines] : cases) {
        EXPECT_EQ(verticalLines(QString::fromUtf8(text), metrics, width), lines) << text;
    }
}

}  // namespace
}  // namespace sorvik::output
