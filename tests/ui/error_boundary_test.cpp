#include "ui/common/error_boundary.h"

#include <stdexcept>

#include <gtest/gtest.h>

#include "engine/errors.h"
#include "platform/errors.h"
#include "platform/prompts.h"

namespace sorvik::ui {
namespace {

using platform::BoxStyle;
using platform::Prompts;

class ErrorBoundaryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Prompts::startScripting();
        Prompts::clearShownBoxes();
    }
    void TearDown() override { Prompts::stopScripting(); }
};

TEST_F(ErrorBoundaryTest, EndsTheCommandWithTheMessageOfWhatItThrew) {
    struct Case {
        std::function<void()> command;
        QString message;
    };
    const Case cases[] = {
        {[] { throw platform::FileError(QStringLiteral("『a.nam』を読み込めません。")); },
         QStringLiteral("『a.nam』を読み込めません。")},
        {[] { throw platform::EncodingError(QStringLiteral("文字「한」は、保存できません。")); },
         QStringLiteral("文字「한」は、保存できません。")},
        {[] { throw engine::CalendarError("『2200/01/01』は、日付変換可能範囲外です。"); },
         QStringLiteral("『2200/01/01』は、日付変換可能範囲外です。")},
        {[] { throw std::out_of_range("vector::at"); },
         QStringLiteral("予期しないｴﾗｰが発生しました。\nvector::at")},
        {[] { throw 42; }, QStringLiteral("予期しないｴﾗｰが発生しました。")},
    };
    for (const Case& c : cases) {
        Prompts::clearShownBoxes();
        bool after = false;
        EXPECT_FALSE(runUserCommand([&] {
            c.command();
            after = true;
        }));
        EXPECT_FALSE(after);
        ASSERT_EQ(Prompts::shownBoxes().size(), 1) << c.message.toStdString();
        EXPECT_EQ(Prompts::shownBoxes()[0].style, BoxStyle::Error);
        EXPECT_EQ(Prompts::shownBoxes()[0].text, c.message);
    }
}

TEST_F(ErrorBoundaryTest, ACommandThatEndsWellShowsNothing) {
    int runs = 0;
    EXPECT_TRUE(runUserCommand([&runs] { ++runs; }));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(Prompts::shownBoxes().isEmpty());
}

}  // namespace
}  // namespace sorvik::ui
