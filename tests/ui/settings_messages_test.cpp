#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "engine/catalogue.h"
#include "platform/clock.h"
#include "platform/key_store.h"
#include "platform/prompts.h"
#include "settings/gaiji.h"
#include "settings/system_settings.h"
#include "ui/chart/default_target_date.h"
#include "ui/settings/gaiji_dialog.h"

// The messages the windows show for what the settings stores report.
namespace sorvik::ui {
namespace {

TEST(DefaultTargetDate, TakesTheClockAndSaysWhenItFallsBack) {
    platform::Prompts::startScripting();
    platform::Prompts::clearShownBoxes();
    platform::Clock::setNow(QDateTime(QDate(2024, 8, 9), QTime(10, 11, 59)));
    QTemporaryDir dir;
    platform::KeyStore keys(dir.filePath("keys.ini"));
    const engine::StarDisplayNames names = engine::BuildStarDisplayNames("殺");
    settings::SystemSettings s(dir.path(), keys, names);
    s.setNRG(1);
    EXPECT_EQ(DefaultTargetDate(s, {{1980, 2, 3}, 4, 5}), (engine::DateTime{{2024, 7, 1}, 10, 11}));
    EXPECT_TRUE(platform::Prompts::shownBoxes().isEmpty());
    // Born after 1 July of this year.
    EXPECT_EQ(DefaultTargetDate(s, {{2024, 7, 2}, 0, 0}), (engine::DateTime{{2024, 7, 2}, 0, 0}));
    ASSERT_EQ(platform::Prompts::shownBoxes().size(), 1);
    EXPECT_EQ(platform::Prompts::shownBoxes()[0].text,
              "造命日時が0歳以前か150歳以上に指定されている為、造命日時を生年月日にします。");
    platform::Clock::setNow({});
    platform::Prompts::stopScripting();
}

TEST(SpecialChar, ABadStoredCodeIsReportedAtStartUp) {
    QTemporaryDir dir;
    platform::KeyStore keys(dir.filePath("keys.ini"));
    platform::Prompts::startScripting();
    platform::Prompts::clearShownBoxes();
    const int beeps = platform::Prompts::beepCount();
    EXPECT_EQ(SpecialChar(keys), "殺");
    EXPECT_TRUE(platform::Prompts::shownBoxes().isEmpty());

    settings::storeSpecialCharCode(keys, "8Z45");
    EXPECT_EQ(SpecialChar(keys), "");
    ASSERT_EQ(platform::Prompts::shownBoxes().size(), 1);
    EXPECT_EQ(platform::Prompts::shownBoxes()[0].text, "『8Z45』は、不正なS-JISｺｰﾄﾞです。");
    EXPECT_EQ(platform::Prompts::beepCount(), beeps + 1);
    platform::Prompts::stopScripting();
}

}  // namespace
}  // namespace sorvik::ui
