#include <gtest/gtest.h>

#include "calendar_fixture.h"
#include "records/birth_entry.h"

namespace {

using sorvik::records::BirthEntry;
using sorvik::records::checkBirthEntry;
using Field = sorvik::records::EntryRefusal::Field;

TEST(BirthEntry, RefusesWhatTheEntryBarRefusesWithItsMessage) {
    struct Case {
        BirthEntry entry;
        Field field;
        const char16_t* message;
        bool boxed;
    };
    const Case cases[] = {
        {{"", true, "2020/01/24", "12:00"}, Field::Name, u"氏名が入力されていません。", false},
        // The first check that fails speaks, in the bar's order.
        {{"", false, "2023/02/30", "99:99"}, Field::Name, u"氏名が入力されていません。", false},
        {{"A&B", true, "2020/01/24", "12:00"},
         Field::Name,
         u"氏名欄に、半角の＆・カンマは使用できません。",
         true},
        {{"A,B", true, "2020/01/24", "12:00"},
         Field::Name,
         u"氏名欄に、半角の＆・カンマは使用できません。",
         true},
        // A line feed would split the person's line in the name file.
        {{"山田\n太郎", true, "2020/01/24", "12:00"},
         Field::Name,
         u"氏名欄に、改行・タブなどの制御文字は使用できません。",
         true},
        {{"山田\t", true, "2020/01/24", "12:00"},
         Field::Name,
         u"氏名欄に、改行・タブなどの制御文字は使用できません。",
         true},
        {{QString(QChar(0)) + "x", true, "2020/01/24", "12:00"},
         Field::Name,
         u"氏名欄に、改行・タブなどの制御文字は使用できません。",
         true},
        {{QStringLiteral("山田😀"), true, "2020/01/24", "12:00"},
         Field::Name,
         u"文字「😀」(U+1F600)は、Shift-JISで保存できません。",
         true},
        {{"山田", true, "2023/02/30", "12:00"}, Field::Date, u"日付が正しくありません。", false},
        {{"山田", true, "2020-01-24", "12:00"}, Field::Date, u"日付が正しくありません。", false},
        {{"山田", true, "2020/01/24", "24:00"}, Field::Time, u"時間が正しくありません。", false},
        {{"山田", true, "2020/01/24", ""}, Field::Time, u"時間が正しくありません。", false},
        {{"山田", true, "2030/01/01", "12:00"},
         Field::Calendar,
         u"『2030/01/01』は、日付変換可能範囲外です。",
         true},
        {{"山田", false, "2020/01/24", "12:00"}, Field::Sex, u"性別が選ばれていません。", false},
    };
    const auto calendar = sorvik::engine::testing::sampleCalendar();
    for (const Case& c : cases) {
        const auto refusal = checkBirthEntry(c.entry, calendar);
        const std::string what =
            (c.entry.name + " " + c.entry.date + " " + c.entry.time).toStdString();
        ASSERT_TRUE(refusal) << what;
        EXPECT_EQ(refusal->field, c.field) << what;
        EXPECT_EQ(refusal->message, QString::fromUtf16(c.message)) << what;
        EXPECT_EQ(refusal->boxed, c.boxed) << what;
    }
}

TEST(BirthEntry, AcceptsTheShortSpellingsTheNameFileAccepts) {
    const auto calendar = sorvik::engine::testing::sampleCalendar();
    for (const BirthEntry& entry : {BirthEntry{"山田", true, "2020/01/24", "12:00"},
                                    BirthEntry{"O'Neil \"x\"", true, "20/1/24", "9:5"},
                                    BirthEntry{"ｶﾀｶﾅ", true, "2020/01/24 12:00", "0:00:30"}}) {
        EXPECT_FALSE(checkBirthEntry(entry, calendar)) << entry.name.toStdString();
    }
}

}  // namespace
