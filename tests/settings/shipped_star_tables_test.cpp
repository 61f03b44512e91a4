#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/key_store.h"
#include "settings/zi_wei_settings.h"

namespace sorvik::settings {
namespace {

TEST(ShippedStarTables, PassTheChecksOfOkAndReadAsDocumented) {
    QTemporaryDir dir;
    platform::KeyStore keys(dir.filePath("registry.ini"));
    const engine::StarDisplayNames names("殺");
    ZiWeiSettings s(QStringLiteral(SORVIK_DATA_DIR), keys, names);
    s.startUp();
    const auto failure = s.validate();
    EXPECT_FALSE(failure) << failure->message.toStdString();
    for (int star = 1; star <= 14; ++star) {
        for (const engine::Branch b : engine::kBranches) {
            EXPECT_NE(s.brightness(star, b), 0) << star << " " << engine::branchName(b);
        }
    }
    EXPECT_EQ(s.brightness(1, engine::Branch{6}), 1);  // 紫微 廟 in 午
    EXPECT_EQ(s.power(1, engine::Branch{6}), 10);
    EXPECT_EQ(s.power(1, engine::Branch{0}), 6);        // 平
    EXPECT_EQ(s.brightness(22, engine::Branch{0}), 7);  // 擎羊 陥 in 子
    EXPECT_EQ(s.power(22, engine::Branch{0}), -8);
    EXPECT_EQ(s.brightness(30, engine::Branch{2}), 2);  // 天馬 旺 in 寅
    EXPECT_EQ(s.power(29, engine::Branch{5}), -4);      // 化忌
    EXPECT_EQ(s.power(118, engine::Branch{0}), -1);     // 歳建, 丁凶
}

}  // namespace
}  // namespace sorvik::settings
