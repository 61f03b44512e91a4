#include "settings/gaiji.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "engine/catalogue.h"
#include "platform/key_store.h"

namespace sorvik::settings {
namespace {

TEST(ParseSjisCode, ReadsFourHexDigitsOrNamesTheFault) {
    struct Case {
        QString code;
        QString character;
        QString error;
    };
    const Case cases[] = {
        {"93AB", "騰", ""},
        {"8e45", "殺", ""},
        {"8E45", "殺", ""},
        {"8E4", "", "文字ｺｰﾄﾞは、４文字で指定して下さい。"},
        {"8E451", "", "文字ｺｰﾄﾞは、４文字で指定して下さい。"},
        {"", "", "文字ｺｰﾄﾞは、４文字で指定して下さい。"},
        {"8G45", "", "『8G45』は、不正なS-JISｺｰﾄﾞです。"},
        {"8E4g", "", "『8E4g』は、不正なS-JISｺｰﾄﾞです。"},
    };
    for (const Case& c : cases) {
        const SjisCodeResult result = ParseSjisCode(c.code);
        EXPECT_EQ(result.character, c.character) << c.code.toStdString();
        EXPECT_EQ(result.error, c.error) << c.code.toStdString();
    }
}

TEST(SpecialChar, DefaultsToTheStoredCodeOr8E45AndBuildsTheDisplayNames) {
    QTemporaryDir dir;
    platform::KeyStore keys(dir.filePath("keys.ini"));
    EXPECT_EQ(storedSpecialCharCode(keys), "8E45");

    const auto names = engine::BuildStarDisplayNames(
        ParseSjisCode(storedSpecialCharCode(keys)).character.toStdString());
    EXPECT_EQ(names[60], "陰殺");
    EXPECT_EQ(names[111], "　劫殺");
    EXPECT_EQ(names[116], "　月殺");

    storeSpecialCharCode(keys, "93AB");
    platform::KeyStore reopened(dir.filePath("keys.ini"));
    EXPECT_EQ(storedSpecialCharCode(reopened), "93AB");

    // A bad stored code leaves the five names cut after their kept characters.
    const auto cut = engine::BuildStarDisplayNames(ParseSjisCode("8E4").character.toStdString());
    EXPECT_EQ(cut[60], "陰");
    EXPECT_EQ(cut[113], "　天");
}

}  // namespace
}  // namespace sorvik::settings
