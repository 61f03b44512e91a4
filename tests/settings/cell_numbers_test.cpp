#include "settings/cell_numbers.h"

#include <gtest/gtest.h>

namespace sorvik::settings {
namespace {

TEST(CellNumbers, Integers) {
    EXPECT_EQ(parseCellInteger("10"), 10);
    EXPECT_EQ(parseCellInteger("-9"), -9);
    EXPECT_EQ(parseCellInteger(" +3 "), 3);
    EXPECT_EQ(parseCellInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseCellInteger("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", " ", "-", "1.0", "1a", "１", "2147483648", "0x10", "1 2"}) {
        EXPECT_EQ(parseCellInteger(QString::fromUtf8(bad)), std::nullopt) << bad;
    }
}

TEST(CellNumbers, DecimalsInTenThousandths) {
    EXPECT_EQ(parseCellTenThousandths("50"), 500000);
    EXPECT_EQ(parseCellTenThousandths("1.5"), 15000);
    EXPECT_EQ(parseCellTenThousandths("0.1234"), 1234);
    EXPECT_EQ(parseCellTenThousandths("0.12345"), 1235);
    EXPECT_EQ(parseCellTenThousandths("-.5"), -5000);
    EXPECT_EQ(parseCellTenThousandths("3."), 30000);
    for (const char* bad : {"", ".", "1.2.3", "abc", "1e3"}) {
        EXPECT_EQ(parseCellTenThousandths(QString::fromUtf8(bad)), std::nullopt) << bad;
    }
}

}  // namespace
}  // namespace sorvik::settings
