#include "settings/tools_table.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/key_store.h"
#include "platform/program_key.h"

namespace sorvik::settings {
namespace {

const Tool kCalc{"電卓", "calc.exe", "", ""};
const Tool kReadme{"Readme", "Notepad.exe", "Readme.txt", ""};
const Tool kEditor{"Editor", "/usr/bin/gedit", "memo.txt", "/home/user/"};

TEST(ToolsTable, WithoutAStoredValueTheDefaultsAreCalculatorAndReadme) {
    QTemporaryDir dir;
    platform::KeyStore keys(dir.filePath("keys.ini"));
    const ToolsTable table = ToolsTable::load(keys);
    EXPECT_EQ(table.toolCount(), 2u);
    EXPECT_EQ(table.row(0), kCalc);
    EXPECT_EQ(table.row(1), kReadme);
    EXPECT_EQ(table.row(9), Tool{});
    EXPECT_EQ(table.storedText(), QString::fromUtf8(kDefaultToolsText));

    ToolsTable edited = table;
    ASSERT_TRUE(edited.add(kEditor));
    edited.save(keys);
    EXPECT_EQ(keys.readText(platform::programKey("Tool"), "SG1"),
              "電卓,calc.exe,,,Readme,Notepad.exe,Readme.txt,,Editor,/usr/bin/gedit,memo.txt,"
              "/home/user/,,,,,,,,,,,,,,,,,,,,,,,,,,,,,");
    EXPECT_EQ(ToolsTable::load(keys).row(2), kEditor);
}

TEST(ToolsTable, DeletingTheFirstOfThreeKeepsTheOtherTwoWhole) {
    ToolsTable table = ToolsTable::fromStoredText(QString::fromUtf8(kDefaultToolsText));
    ASSERT_TRUE(table.add(kEditor));
    table.remove(0);
    EXPECT_EQ(table.toolCount(), 2u);
    EXPECT_EQ(table.row(0), kReadme);
    EXPECT_EQ(table.row(1), kEditor);
    EXPECT_EQ(table.row(2), Tool{});
}

TEST(ToolsTable, AnEmptyTitleHidesTheRowsBelowIt) {
    // Row 2 has no title; rows 3 and 4 are kept but are no tools.
    const ToolsTable table = ToolsTable::fromStoredText("A,a,,,B,b,,,,c,,,D,d,,,E,e,,,");
    EXPECT_EQ(table.toolCount(), 2u);
    EXPECT_EQ(table.row(3).title, "D");
    // Deleting the hidden gap's row above it moves only up to the gap.
    ToolsTable edited = table;
    edited.remove(0);
    EXPECT_EQ(edited.row(0).title, "B");
    EXPECT_EQ(edited.row(1), (Tool{"", "c", "", ""}));
    EXPECT_EQ(edited.row(2), Tool{});
    EXPECT_EQ(edited.row(3).title, "D");
}

TEST(ToolsTable, AddingNeedsATitleARowAndNoComma) {
    ToolsTable table;
    EXPECT_FALSE(table.add(Tool{"", "prog", "", ""}));
    EXPECT_FALSE(table.add(Tool{"T", "C:\\a,b.exe", "", ""}));
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(table.add(Tool{QString::number(i), "p", "", ""}));
    }
    EXPECT_FALSE(table.add(Tool{"eleventh", "p", "", ""}));
    EXPECT_EQ(table.toolCount(), 10u);
    table.remove(9);
    EXPECT_EQ(table.toolCount(), 9u);
}

TEST(ToolsTable, APieceWithoutItsCommaIsEmpty) {
    const ToolsTable table = ToolsTable::fromStoredText("A,a,f,d");
    EXPECT_EQ(table.row(0), (Tool{"A", "a", "f", ""}));
}

}  // namespace
}  // namespace sorvik::settings
