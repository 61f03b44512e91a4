#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "calendar_fixture.h"
#include "records/calendar_file.h"

namespace {

struct CliRun {
    int status = -1;
    QJsonObject json;
    QString error;
};

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        sorvik::records::SaveCalendar(sorvik::engine::testing::sampleCalendar(),
                                      dir.filePath("INREKI.DAT"));
    }

    CliRun run(QStringList args) {
        args.prepend(dir.path());
        args.prepend("--data");
        QProcess process;
        process.start(SORVIK_CLI, args);
        process.waitForFinished();
        CliRun result;
        result.status = process.exitCode();
        result.json = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
        result.error = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    QTemporaryDir dir;
};

TEST_F(CliTest, LunarPrintsTheConversion) {
    const CliRun r = run({"lunar", "2020/06/04 12:00"});
    ASSERT_EQ(r.status, 0) << r.error.toStdString();
    const QJsonObject c = r.json["conversion"].toObject();
    EXPECT_EQ(c.keys().size(), 11);
    EXPECT_EQ(c["lunarYear"].toInt(), 2020);
    EXPECT_EQ(c["lunarMonth"].toInt(), -4);
    EXPECT_EQ(c["lunarDay"].toInt(), 15);
    EXPECT_EQ(c["hourBranch"].toInt(), 6);
    EXPECT_EQ(c["leapAdjust"].toInt(), 1);
    EXPECT_EQ(c["yearStem"].toInt(), 6);
    EXPECT_EQ(c["yearBranch"].toInt(), 0);
    EXPECT_EQ(c["lifePalace"].toInt(), 0);
    EXPECT_EQ(c["bodyPalace"].toInt(), 0);
    EXPECT_EQ(c["placementMonth"].toInt(), 5);
    EXPECT_EQ(c["lunarText"].toString(), QStringLiteral("旧暦2020年閏4月15日"));
}

TEST_F(CliTest, ChartPrintsHeaderLabelsAndLuckDates) {
    const CliRun r = run({"chart", "--name", "山田", "--sex", "男", "--date", "2020/01/24",
                          "--time", "12:00", "--target", "2021/06/10 09:05"});
    ASSERT_EQ(r.status, 0) << r.error.toStdString();
    EXPECT_EQ(r.json["header"].toArray(), QJsonArray({6, 0, 0, 2, 8, 8, 2, 1, 1, 6, 0}));
    const QJsonObject labels = r.json["labels"].toObject();
    EXPECT_EQ(labels.keys().size(), 11);
    EXPECT_EQ(labels["Mei"].toString(), QStringLiteral("命宮：申  命主：廉貞"));
    EXPECT_EQ(labels["Kazoe"].toString(), QStringLiteral("数え2歳　斗君:午"));
    EXPECT_EQ(r.json["dokun"].toInt(), 6);
    const QJsonArray dates = r.json["monthlyLuckDates"].toArray();
    ASSERT_EQ(dates.size(), 12);
    EXPECT_EQ(dates[7].toString(), QStringLiteral("21/02/10"));
    EXPECT_EQ(r.json["conversion"].toObject()["lunarText"].toString(),
              QStringLiteral("旧暦2020年1月1日"));
}

TEST_F(CliTest, FailuresExitWithOneLineAndTheirStatus) {
    struct Case {
        QStringList args;
        int status;
        const char16_t* message;
    };
    const Case cases[] = {
        {{"lunar", "2030/01/01 00:00"}, 1, u"『2030/01/01』は、日付変換可能範囲外です。"},
        {{"chart", "--name", "x", "--sex", "男", "--date", "2020/01/24", "--time", "12:00",
          "--target", "2030/01/01 00:00"},
         1,
         u"範囲外"},
        {{"lunar", "2020/13/01 00:00"}, 2, u"yyyy/mm/dd hh:mm"},
        {{"chart", "--name", "x", "--sex", "?", "--date", "2020/01/24", "--time", "12:00"},
         2,
         u"--sex"},
        {{"chart", "--name", "x"}, 2, u"missing --sex"},
        {{"horoscope"}, 2, u"unknown command"},
    };
    for (const Case& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.error.contains(QString::fromUtf16(c.message))) << r.error.toStdString();
        EXPECT_EQ(r.error.count('\n'), 1) << r.error.toStdString();
        EXPECT_TRUE(r.json.isEmpty());
    }
}

TEST(Cli, SaysWhenTheCalendarTableIsMissing) {
    QTemporaryDir empty;
    QProcess process;
    process.start(SORVIK_CLI, {"--data", empty.path(), "lunar", "2020/01/01 00:00"});
    process.waitForFinished();
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError())
                    .contains(QStringLiteral("INREKI.DAT』が、ありません。")));
}

}  // namespace
