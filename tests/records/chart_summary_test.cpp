#include "records/chart_summary.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "engine/chart_request.h"
#include "platform/key_store.h"
#include "records/calendar_file.h"
#include "records/name_file.h"
#include "settings/zi_wei_settings.h"

namespace sorvik::records {
namespace {

using engine::Branch;
using engine::Stem;

// The shipped calendar and star tables; every star listed except 天機 (2).
class SummaryTest : public ::testing::Test {
  protected:
    SummaryTest() {
        ziwei.startUp();
        shown.fill(true);
        shown[2] = false;
    }

    void fill(NameList& list, std::initializer_list<const char*> lines) {
        std::vector<NameList::Row> rows;
        for (const char* line : lines) {
            rows.push_back(readNameLine(QString::fromUtf8(line)));
        }
        list.reset(rows);
    }

    QTemporaryDir dir;
    platform::KeyStore keys{dir.filePath("registry.ini")};
    engine::StarDisplayNames names{"殺"};
    settings::ZiWeiSettings ziwei{SORVIK_DATA_DIR, keys, names};
    engine::CalendarTable calendar = LoadCalendar(QStringLiteral(SORVIK_DATA_DIR));
    std::array<bool, engine::kStarCount + 1> shown{};
    SummaryContext context() const { return {calendar, names, ziwei, 0, shown}; }
};

TEST(PalaceStem, YearStemJiaGivesBingAtYinZiAndDingAtChou) {
    EXPECT_EQ(palaceStem(Stem::Jia, Branch::Yin), Stem::Bing);
    EXPECT_EQ(palaceStem(Stem::Jia, Branch::Zi), Stem::Bing);
    EXPECT_EQ(palaceStem(Stem::Jia, Branch::Chou), Stem::Ding);
    EXPECT_EQ(palaceStem(Stem::Jia, Branch::Hai), Stem::Yi);
    EXPECT_EQ(palaceStem(Stem::Gui, Branch::Yin), Stem::Jia);
}

TEST_F(SummaryTest, ColumnsAreWhatTheChartOfThePersonShows) {
    // 1988 is a 戊 year (stem 4); a woman, so the chart counts backward.
    const engine::BirthMoment person{"山田", engine::Sex::Female, "1988/06/15", "14:30"};
    const engine::Chart chart =
        engine::RequestChartBirth(calendar, names, person, {{2024, 1, 1}, 0, 0}, {ziwei, 0});
    const Summary s = ComputeSummary(context(), engine::Sex::Female, engine::BirthMomentOf(person));

    EXPECT_EQ(s[0].toStdString(), chart.birth.lunarText);
    EXPECT_EQ(s[1], "陽");
    EXPECT_EQ(s[2].toStdString() + " 年:" + s[3].toStdString(), chart.labels.Kyoku);
    EXPECT_EQ(s[3], "戊辰");
    EXPECT_EQ(s[4], "未");
    EXPECT_EQ(s[5].toStdString(),
              engine::branchName(engine::Dokun(chart.birth.lunar.month, chart.birth.leapAdjust,
                                               chart.birth.lunar.hour)));
    EXPECT_EQ("　    納音命主：" + s[8].toStdString(), chart.labels.Nat);
    EXPECT_TRUE(chart.labels.Mei.ends_with("命主：" + s[6].toStdString()));
    EXPECT_TRUE(chart.labels.Sin.ends_with("身主：" + s[7].toStdString()));
    EXPECT_EQ(s[9].toStdString(), engine::branchName(chart.birth.bodyPalace));

    for (int i = 0; i < 12; ++i) {
        const Branch palace = chart.birth.lifePalace - i;
        EXPECT_EQ(s[10 + 2 * i].toStdString(),
                  std::string(engine::stemName(palaceStem(Stem::Wu, palace))) +
                      std::string(engine::branchName(palace)));
        std::string stars;
        const engine::PalaceStarList& list = chart.record.palaceStarLists[engine::index(palace)];
        for (int slot = 1; list[slot] != 0; ++slot) {
            if (list[slot] != 2) {
                stars += names[list[slot]] + " ";
            }
        }
        EXPECT_EQ(s[11 + 2 * i].toStdString(), stars) << i;
    }
}

TEST_F(SummaryTest, RunSkipsUnknownHoursAndDaysOutsideTheCalendarAndStopsAtNoMoment) {
    NameList list;
    fill(list, {"a,男,1990/05/01,12:00", "b,女,1990/05/01,25:00", "c,男,1800/01/01,12:00",
                "d,女,1990/05/02,", "e,男,1990/05/03,01:00"});
    ASSERT_EQ(list.cell(1, NameList::kTime), "99:99");
    const SummaryRun run = summariseList(list, context());

    EXPECT_EQ(run.summarised, 1);
    EXPECT_FALSE(list.cell(0, 4).isEmpty());
    EXPECT_TRUE(list.cell(1, 4).isEmpty());
    EXPECT_TRUE(list.cell(2, 4).isEmpty());
    ASSERT_EQ(run.stoppedAt, 3);
    EXPECT_EQ(run.message,
              "4件目『d』の生年月日『1990/05/02 』は日付と時間として読めません。"
              "命盤ﾃﾞｰﾀ生成をここで中止しました。");
    EXPECT_TRUE(list.cell(4, 4).isEmpty());
}

TEST_F(SummaryTest, TheEmptyListHasNothingToSummarise) {
    NameList list;
    const SummaryRun run = summariseList(list, context());
    EXPECT_EQ(run.summarised, 0);
    EXPECT_FALSE(run.stoppedAt);
}

}  // namespace
}  // namespace sorvik::records
