#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "calendar_fixture.h"
#include "cli/chart_maker.h"
#include "cli/command_line.h"
#include "platform/atomic_file.h"
#include "platform/key_store.h"
#include "platform/program_key.h"
#include "platform/sjis.h"
#include "platform/text_file.h"
#include "records/calendar_file.h"
#include "records/chart_summary.h"
#include "records/name_file.h"
#include "settings/listed_stars.h"
#include "settings/zi_wei_settings.h"
#include "strength/luck_periods.h"

namespace {

struct CliRun {
    int status = -1;
    QJsonObject json;
    QString output;
    QByteArray bytes;          // the output as written
    QList<QJsonObject> lines;  // each line of the output read on its own
    QString error;
};

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        sorvik::records::SaveCalendar(sorvik::engine::testing::sampleCalendar(),
                                      dir.filePath("INREKI.DAT"));
        // Star tables whose cells say where they come from: power = branch - 5, brightness
        // = star number mod 8.
        writeTable("HOSISUU.DAT", 129, [](int, int branch) { return branch - 5; });
        writeTable("HOSIBYOU.DAT", 86, [](int star, int) { return star % 8; });
    }

    template <typename Cell>
    void writeTable(const QString& name, int stars, Cell cell) {
        QStringList lines = {",子,丑,寅,卯,辰,巳,午,未,申,酉,戌,亥,"};
        for (int star = 1; star <= stars; ++star) {
            QString line = "x,";
            for (int branch = 0; branch < 12; ++branch) {
                line += QString::number(cell(star, branch)) + ",";
            }
            lines.append(line);
        }
        sorvik::platform::writeSjisLines(dir.filePath(name), lines);
    }

    CliRun run(QStringList args, const QByteArray& input = {}) {
        args.prepend(dir.path());
        args.prepend("--data");
        QProcess process;
        // The user's key store stays out of reach: the program looks for it in the folder.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", dir.path());
        process.setProcessEnvironment(environment);
        process.start(SORVIK_CLI, args);
        process.write(input);
        process.closeWriteChannel();
        process.waitForFinished();
        CliRun result;
        result.status = process.exitCode();
        result.bytes = process.readAllStandardOutput();
        result.output = QString::fromUtf8(result.bytes);
        result.json = QJsonDocument::fromJson(result.output.toUtf8()).object();
        for (const QString& line : result.output.split(u'\n', Qt::SkipEmptyParts)) {
            result.lines.append(QJsonDocument::fromJson(line.toUtf8()).object());
        }
        result.error = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    // The values every start of the program writes, which tell a whole store.
    static void writeStartValues(sorvik::platform::KeyStore& keys) {
        keys.writeText(sorvik::platform::programKey(), "Dir", "/opt/sorvik/");
        keys.writeText(sorvik::platform::programKey(), "Ver", "2690");
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

TEST_F(CliTest, NamesWithJsonSyntaxSurviveTheRoundTrip) {
    const QString name = QStringLiteral("山\"田\\{x}/");
    const CliRun r = run({"chart", "--name", name, "--sex", "女", "--date", "2020/01/24", "--time",
                          "12:00", "--target", "2021/06/10 09:05"});
    ASSERT_EQ(r.status, 0) << r.error.toStdString();
    EXPECT_EQ(r.json["labels"].toObject()["Name"].toString(), QStringLiteral("氏名：") + name);
}

TEST_F(CliTest, ChartPrintsStarsAndPatterns) {
    // 庚子, month 1, day 1, hour 午: 命宮 and 身宮 申, 水二局, 紫微 in 丑; target year 辛丑.
    const CliRun r = run({"chart", "--name", "山田", "--sex", "男", "--date", "2020/01/24",
                          "--time", "12:00", "--target", "2021/06/10 09:05"});
    ASSERT_EQ(r.status, 0) << r.error.toStdString();
    EXPECT_EQ(r.json["bureau"].toInt(), 2);

    const QJsonArray rows = r.json["starTable"].toArray();
    ASSERT_EQ(rows.size(), 132);
    for (const QJsonValue& row : rows) {
        ASSERT_EQ(row.toArray().size(), 11);
    }
    EXPECT_EQ(rows[0].toArray(), QJsonArray({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(rows[1].toArray(), QJsonArray({1, 1, 1, 1, -4, 4, 0, 0, 0, 0, 0}));
    EXPECT_EQ(rows[87].toArray(), QJsonArray({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    // 截空 in 未, its second palace 申, with the cells of 未.
    EXPECT_EQ(rows[130].toArray(), QJsonArray({8, 8, 5, 3, 2, 0, 0, 0, 0, 0, 0}));

    const QJsonArray yearly = r.json["yearlyStarLists"].toArray();
    ASSERT_EQ(yearly.size(), 12);
    EXPECT_EQ(yearly[8].toArray(), QJsonArray({5, 89, 98, 117, 125, 0, 0, 0, 0, 0, 0}));
    const QJsonArray lists = r.json["palaceStarLists"].toArray();
    ASSERT_EQ(lists.size(), 12);
    const QJsonArray shen = lists[8].toArray();
    ASSERT_EQ(shen.size(), 31);
    const int gap = shen[0].toInt();
    EXPECT_EQ(shen[gap].toInt(), 0);
    EXPECT_EQ(shen[gap + 1].toInt(), 89);
    EXPECT_EQ(shen[gap + 4].toInt(), 125);

    const QJsonArray flags = r.json["patternFlags"].toArray();
    ASSERT_EQ(flags.size(), 39);
    // Around 申: 天機 子, 太陰 辰, 天同 and 天梁 申 with 禄存; 擎羊 酉, 陀羅 未, 化忌 on 天同.
    for (int i = 0; i < flags.size(); ++i) {
        EXPECT_EQ(flags[i].toInt(), i == 3 || i == 34 ? 1 : 0) << "pattern " << i;
    }
    EXPECT_EQ(r.json["patterns"].toArray(),
              QJsonArray({QStringLiteral("機月同梁"), QStringLiteral("羊陀夾命")}));
}

TEST_F(CliTest, ChartPrintsPalaceStrengthsAndDoubleStars) {
    const CliRun r = run({"chart", "--name", "山田", "--sex", "男", "--date", "2020/01/24",
                          "--time", "12:00", "--target", "2021/06/10 09:05"});
    ASSERT_EQ(r.status, 0) << r.error.toStdString();
    // Power = branch - 5 for every star, 命宮 and 身宮 申: 子 holds 4 natal stars, so
    // -20 + 0.5 × 6 + 0.3 × (-10 + 36) + 0.01 × (-28 + 18) + 0.02 × 36 = -8.58.
    EXPECT_EQ(r.json["palaceStrength"].toArray(),
              QJsonArray({" -8.6", "-10.9", " 17.1", " 15.4", " 20.4", " 12.1", "  6.4", "  0.9",
                          " 19.2", " 23.2", " 42.7", " 19.0"}));

    const QJsonArray palaces = r.json["doubleStars"].toArray();
    ASSERT_EQ(palaces.size(), 12);
    // 丑 holds 紫微 and 天魁, 未 天相 and 天鉞: 15 × 15 / 100 = 2.25 shows as 2.3.
    const QJsonObject chou = palaces[1].toObject();
    const QJsonArray relations = chou["relations"].toArray();
    ASSERT_EQ(relations.size(), 5);
    const char16_t* names[] = {u"同 宮", u"加 会", u"冲 照", u"夾 照", u"隣 宮"};
    for (int i = 0; i < 5; ++i) {
        const QJsonObject relation = relations[i].toObject();
        EXPECT_EQ(relation["name"].toString(), QString::fromUtf16(names[i]));
        if (i == 2) {
            EXPECT_EQ(relation["entries"].toArray(),
                      QJsonArray({QStringLiteral("紫微天相10"), QStringLiteral("天魁天鉞 5")}));
            EXPECT_EQ(relation["power"].toString(), " 2.3");
        } else {
            EXPECT_EQ(relation["entries"].toArray(), QJsonArray());
            EXPECT_EQ(relation["power"].toString(), " 0.0");
        }
    }
    EXPECT_EQ(chou["total"].toString(), QStringLiteral("計： 2.3"));
    // 子: 台輔封誥 1 and 火星鈴星 -4 across its trine, 15 × -3 / 100 = -0.45.
    EXPECT_EQ(palaces[0].toObject()["total"].toString(), QStringLiteral("計：-0.5"));
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
        // A moment of the right shape that names no real day is an impossible date.
        {{"lunar", "2020/13/01 00:00"}, 2, u"日時「2020/13/01 00:00」：日付が正しくありません。"},
        {{"lunar", "2020-01-01 00:00"}, 2, u"yyyy/mm/dd hh:mm"},
        {{"chart", "--name", "x", "--sex", "?", "--date", "2020/01/24", "--time", "12:00"},
         2,
         u"--sex"},
        {{"chart", "--name", "x"}, 2, u"missing --sex"},
        {{"horoscope"}, 2, u"unknown command"},
        {{}, 2, u"no command given"},
        {{"--frobnicate", "lunar", "2020/06/04 12:00"}, 2, u"Unknown option 'frobnicate'"},
        {{"lunar", "--name", "x", "2020/06/04 12:00"}, 2, u"lunar does not take --name"},
        {{"batch", "--target", "2020/06/04 12:00"}, 2, u"batch does not take --target"},
        {{"luck", "--name", "x", "--sex", "男", "--date", "2020/01/24", "--time", "12:00"},
         2,
         u"luck does not take --name"},
        {{"chart", "--name", "x", "--sex", "男", "--date", "2020/01/24", "--time", "12:00",
          "--csv"},
         2,
         u"chart does not take --csv"},
        {{"luck", "--sex", "?", "--date", "2020/01/24", "--time", "12:00"}, 2, u"--sex"},
        {{"luck", "--sex", "女", "--date", "2020/01/24"}, 2, u"missing --time"},
        {{"luck", "--sex", "女", "--date", "2030/01/24", "--time", "12:00"},
         1,
         u"sorvik-cli: 『2030/01/24』は、日付変換可能範囲外です。"},
        // The entry bar's checks and messages.
        {{"chart", "--name", "x", "--sex", "男", "--date", "2023/02/30", "--time", "12:00"},
         2,
         u"sorvik-cli: 日付が正しくありません。"},
        {{"chart", "--name", "", "--sex", "男", "--date", "2020/01/24", "--time", "12:00"},
         2,
         u"sorvik-cli: 氏名が入力されていません。"},
        {{"chart", "--name", "A&B", "--sex", "男", "--date", "2020/01/24", "--time", "12:00"},
         2,
         u"sorvik-cli: 氏名欄に、半角の＆・カンマは使用できません。"},
        {{"chart", "--name", "A,B", "--sex", "男", "--date", "2020/01/24", "--time", "12:00"},
         2,
         u"sorvik-cli: 氏名欄に、半角の＆・カンマは使用できません。"},
        {{"chart", "--name", "x", "--sex", "女", "--date", "2020/01/24", "--time", "24:00"},
         2,
         u"sorvik-cli: 時間が正しくありません。"},
        {{"chart", "--name", "x", "--sex", "女", "--date", "2030/01/24", "--time", "12:00"},
         1,
         u"sorvik-cli: 『2030/01/24』は、日付変換可能範囲外です。"},
        {{"chart", "--name", "x", "--sex", "女", "--date", "2020/01/24", "--time", "12:00",
          "--target", "2021/02/29 09:00"},
         2,
         u"--target「2021/02/29 09:00」：日付が正しくありません。"},
        {{"chart", "--name", "x", "--sex", "女", "--date", "2020/01/24", "--time", "12:00",
          "--target", "2021-02-28"},
         2,
         u"sorvik-cli: --target「2021-02-28」：「yyyy/mm/dd hh:mm」の形で指定してください。"},
        {{"chart", "--name", "x", "--sex", "?", "--date", "2020/01/24", "--time", "12:00"},
         2,
         u"sorvik-cli: --sex「?」：「男」か「女」を指定してください。"},
        // The last of a repeated option once won silently.
        {{"chart", "--name", "x", "--sex", "女", "--date", "2020/01/24", "--time", "12:00",
          "--name", "y"},
         2,
         u"sorvik-cli: repeated option --name"},
        {{"lunar", "--data=/nowhere", "2020/06/04 12:00"}, 2, u"repeated option --data"},
        {{"chart", "--name", "a\nb", "--sex", "女", "--date", "2020/01/24", "--time", "12:00"},
         2,
         u"sorvik-cli: 氏名欄に、改行・タブなどの制御文字は使用できません。"},
    };
    for (const Case& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.error.contains(QString::fromUtf16(c.message))) << r.error.toStdString();
        EXPECT_EQ(r.error.count('\n'), 1) << r.error.toStdString();
        EXPECT_TRUE(r.json.isEmpty());
    }
}

// A damaged star table once gave every brightness 0 and a normal chart.
TEST_F(CliTest, ADamagedStarTableIsNamedAndNoChartIsMade) {
    struct Case {
        const char* file;
        QByteArray bytes;
        const char16_t* message;
    };
    const Case cases[] = {
        {"HOSIBYOU.DAT", "", u"sorvik-cli: 『HOSIBYOU.DAT』に、『紫微』の行がありません。\n"},
        {"HOSISUU.DAT", ",子,\r\nx,1,2,x,",
         u"sorvik-cli: 『HOSISUU.DAT』の『紫微』寅の値「x」は、数値ではありません。\n"},
    };
    for (const Case& c : cases) {
        SetUp();
        QFile file(dir.filePath(c.file));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        const CliRun r = run({"chart", "--name", "x", "--sex", "男", "--date", "2020/01/24",
                              "--time", "12:00", "--target", "2020/06/04 12:00"});
        EXPECT_EQ(r.status, 1) << c.file;
        EXPECT_EQ(r.error, QString::fromUtf16(c.message));
        EXPECT_TRUE(r.json.isEmpty());
    }
}

// A damaged store once gave the charts of the default rules without a word.
TEST_F(CliTest, ADamagedKeyStoreIsRefusedInsteadOfTheDefaults) {
    const QString keyStore = dir.filePath("sorvik/registry.ini");
    {
        sorvik::platform::KeyStore keys(keyStore);
        writeStartValues(keys);
        keys.writeText(sorvik::settings::kRegistryKey, "RG1", "2");
    }
    const QStringList chart = {"chart",           "--name",     "x",      "--sex", "男",
                               "--date",          "2020/01/24", "--time", "12:00", "--target",
                               "2020/06/04 12:00"};
    ASSERT_EQ(run(chart).status, 0);
    QFile file(keyStore);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray whole = file.readAll();
    ASSERT_TRUE(file.resize(whole.size() / 2));
    file.close();
    const QString message =
        "sorvik-cli: 設定ﾌｧｲﾙ『" + keyStore + "』が壊れているため、読み込めません。\n";
    for (const QStringList& args :
         {chart, QStringList{"luck", "--sex", "女", "--date", "2020/06/04", "--time", "12:00"}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.error, message);
        EXPECT_TRUE(r.output.isEmpty());
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), whole.left(whole.size() / 2));
    EXPECT_EQ(run({"lunar", "2020/06/04 12:00"}).status, 0) << "reads no settings";
}

// The table the program shows, with the ratios of the user's key store; --csv gives the file.
TEST_F(CliTest, LuckPrintsTheTableOrItsCsvFile) {
    const QStringList args = {"luck", "--sex", "女", "--date", "2020/06/04", "--time", "12:00"};
    const sorvik::engine::CalendarTable calendar = sorvik::engine::testing::sampleCalendar();
    const QString keyStore = dir.filePath("sorvik/registry.ini");
    const auto expected = [&] {
        const sorvik::cli::ChartMaker maker(calendar, dir.path(), keyStore);
        return maker.luck({"", sorvik::engine::Sex::Female, "2020/06/04", "12:00"}).table;
    };
    const auto rows = [](const QJsonObject& json) {
        std::vector<std::vector<std::string>> table;
        for (const QJsonValue& row : json["luck"].toArray()) {
            table.emplace_back();
            for (const QJsonValue& cell : row.toArray()) {
                table.back().push_back(cell.toString().toStdString());
            }
        }
        return table;
    };
    const auto asRows = [](const sorvik::strength::LuckTable& table) {
        std::vector<std::vector<std::string>> result;
        for (const auto& row : table) {
            result.emplace_back(row.begin(), row.end());
        }
        return result;
    };

    const CliRun json = run(args);
    ASSERT_EQ(json.status, 0) << json.error.toStdString();
    EXPECT_TRUE(json.error.isEmpty()) << json.error.toStdString();
    EXPECT_EQ(json.json.keys(), QStringList{"luck"});
    EXPECT_EQ(rows(json.json), asRows(expected()));
    EXPECT_EQ(rows(json.json)[0][0], "");
    EXPECT_NE(rows(json.json)[7], rows(json.json)[2]) << "the default ratios mix the three";
    EXPECT_TRUE(json.output.endsWith("]]}\n"));

    {
        sorvik::platform::KeyStore keys(keyStore);
        writeStartValues(keys);
        keys.writeText(sorvik::settings::kRegistryKey, "TBar1", "100");
        keys.writeText(sorvik::settings::kRegistryKey, "TBar2", "0");
        keys.writeText(sorvik::settings::kRegistryKey, "TBar3", "0");
    }
    const auto table = rows(run(args).json);
    ASSERT_EQ(table.size(), 8U);
    for (std::size_t column = 1; column < 100; ++column) {
        EXPECT_EQ(table[7][column], table[2][column]) << "ratios 100, 0, 0";
    }

    const CliRun csv = run(args + QStringList{"--csv"});
    ASSERT_EQ(csv.status, 0) << csv.error.toStdString();
    EXPECT_EQ(csv.bytes, sorvik::platform::encodeSjis(
                             QString::fromStdString(sorvik::strength::LuckCsvText(expected()))));
    EXPECT_EQ(csv.bytes.count("\r\n"), 8);
    EXPECT_TRUE(csv.bytes.endsWith(",\r\n"));
}

TEST_F(CliTest, HelpAndVersionAnswerOnStandardOutput) {
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.output.contains(QStringLiteral("chart --name NAME --sex 男|女")))
        << help.output.toStdString();
    EXPECT_TRUE(help.output.contains(QStringLiteral("luck --sex 男|女")))
        << help.output.toStdString();
    EXPECT_TRUE(help.error.isEmpty()) << help.error.toStdString();
    const CliRun version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.output, QStringLiteral("sorvik-cli " SORVIK_VERSION "\n"));
}

TEST_F(CliTest, ATargetBeforeTheBirthBecomesTheBirthMoment) {
    const QStringList birth = {"chart",  "--name",     "山田",   "--sex", "男",
                               "--date", "2020/01/24", "--time", "12:00", "--target"};
    const CliRun before = run(birth + QStringList{"2020/01/24 11:59"});
    ASSERT_EQ(before.status, 0) << before.error.toStdString();
    EXPECT_EQ(before.error,
              QStringLiteral("sorvik-cli: 造命日時が0歳以前か150歳以上に指定されている為、"
                             "造命日時を生年月日にします。\n"));
    const CliRun atBirth = run(birth + QStringList{"2020/01/24 12:00"});
    ASSERT_EQ(atBirth.status, 0) << atBirth.error.toStdString();
    EXPECT_TRUE(atBirth.error.isEmpty()) << atBirth.error.toStdString();
    EXPECT_EQ(before.json, atBirth.json);
    EXPECT_EQ(before.json["labels"].toObject()["Kazoe"].toString().left(4),
              QStringLiteral("数え1歳"));
}

// A batch line for the arguments of `chart`.
QByteArray batchLine(const QStringList& chartArgs) {
    QJsonObject object;
    for (qsizetype i = 1; i + 1 < chartArgs.size(); i += 2) {
        object.insert(chartArgs[i].mid(2), chartArgs[i + 1]);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

const QStringList kBirths[] = {
    {"chart", "--name", "山田", "--sex", "男", "--date", "2020/01/24", "--time", "12:00",
     "--target", "2021/06/10 09:05"},
    {"chart", "--name", "O\"Neil\\", "--sex", "女", "--date", "20/5/23", "--time", "23:30",
     "--target", "2021/12/31 23:59"},
    {"chart", "--name", "佐藤", "--sex", "女", "--date", "2019/12/01", "--time", "0:00", "--target",
     "2020/06/04 12:00"},
};

TEST_F(CliTest, BatchAnswersEachLineWithTheObjectOfChart) {
    QByteArray input;
    for (const QStringList& birth : kBirths) {
        input += batchLine(birth);
    }
    const CliRun batch = run({"batch"}, input);
    ASSERT_EQ(batch.status, 0) << batch.error.toStdString();
    EXPECT_TRUE(batch.error.isEmpty()) << batch.error.toStdString();
    ASSERT_EQ(batch.lines.size(), std::size(kBirths));
    for (std::size_t i = 0; i < std::size(kBirths); ++i) {
        const CliRun chart = run(kBirths[i]);
        ASSERT_EQ(chart.status, 0) << chart.error.toStdString();
        EXPECT_FALSE(chart.json.isEmpty());
        EXPECT_EQ(batch.lines[qsizetype(i)], chart.json) << "line " << i + 1;
    }
}

TEST_F(CliTest, BatchAnswersABadLineWithItsErrorAndGoesOn) {
    const QByteArray input =
        batchLine(kBirths[0]) +
        "{\"name\": \"A&B\", \"sex\": \"男\", \"date\": \"2020/01/24\", "
        "\"time\": \"12:00\"}\n"
        "not json\n"
        "\n"
        "{\"name\": \"x\", \"sex\": \"男\"}\n"
        "{\"name\": \"x\", \"sex\": \"男\", \"date\": \"2020/01/24\", \"time\": 12}\n"
        "{\"name\": \"x\", \"sex\": \"男\", \"date\": \"2020/01/24\", \"time\": \"12:00\", "
        "\"tagret\": \"2021/01/01 00:00\"}\n"
        "{\"name\": \"x\", \"sex\": \"男\", \"date\": \"2020/01/24\", \"time\": \"12:00\", "
        "\"target\": \"2030/01/01 00:00\"}\n"
        "{\"name\": \"x\", \"sex\": \"男\", \"date\": \"2020/01/24\", \"time\": \"12:00\", "
        "\"n\\u0061me\": \"y\"}\n"
        "{\"name\": \"x\\ny\", \"sex\": \"男\", \"date\": \"2020/01/24\", \"time\": \"12:00\"}\n"
        "[1, 2]\r\n"
        // The target before the birth becomes the birth moment, with a note.
        "{\"name\": \"x\", \"sex\": \"女\", \"date\": \"2020/01/24\", \"time\": \"12:00\", "
        "\"target\": \"2000/01/01 00:00\"}\n" +
        batchLine(kBirths[1]).chopped(1);  // the last line may lack its line feed
    const CliRun batch = run({"batch"}, input);
    ASSERT_EQ(batch.status, 0) << batch.error.toStdString();
    ASSERT_EQ(batch.lines.size(), 13) << batch.output.toStdString();
    EXPECT_EQ(batch.lines[0], run(kBirths[0]).json);
    const std::pair<int, const char16_t*> errors[] = {
        {2, u"氏名欄に、半角の＆・カンマは使用できません。"},
        {3, u"not JSON: "},
        {4, u"not JSON: "},
        {5, u"missing date"},
        {6, u"time must be a text"},
        {7, u"unknown key: tagret"},
        {8, u"『2030/01/01』は、日付変換可能範囲外です。"},
        {9, u"repeated key: name"},
        {10, u"氏名欄に、改行・タブなどの制御文字は使用できません。"},
        {11, u"not a JSON object"},
    };
    for (const auto& [line, message] : errors) {
        const QJsonObject error = batch.lines[line - 1];
        EXPECT_EQ(error.keys(), QStringList({"error", "line"})) << line;
        EXPECT_EQ(error["line"].toInt(), line);
        EXPECT_TRUE(error["error"].toString().startsWith(QString::fromUtf16(message)))
            << error["error"].toString().toStdString();
    }
    EXPECT_EQ(batch.lines[11]["labels"].toObject()["Kazoe"].toString().left(4),
              QStringLiteral("数え1歳"));
    EXPECT_EQ(batch.error,
              QStringLiteral("sorvik-cli: line 12: 造命日時が0歳以前か150歳以上に指定さ"
                             "れている為、造命日時を生年月日にします。\n"));
    EXPECT_EQ(batch.lines[12], run(kBirths[1]).json);
}

TEST_F(CliTest, BatchRefusesALineTooLongToHoldAndGoesOn) {
    const QByteArray input =
        batchLine(kBirths[0]) + QByteArray(3 << 20, 'x') + "\n" + batchLine(kBirths[1]);
    const CliRun batch = run({"batch"}, input);
    ASSERT_EQ(batch.status, 0) << batch.error.toStdString();
    ASSERT_EQ(batch.lines.size(), 3);
    EXPECT_EQ(batch.lines[0], run(kBirths[0]).json);
    EXPECT_EQ(batch.lines[1],
              QJsonObject({{"line", 2}, {"error", "line longer than 1048576 bytes"}}));
    EXPECT_EQ(batch.lines[2], run(kBirths[1]).json);
}

TEST_F(CliTest, BatchFailsWhenItCannotWrite) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", dir.path());
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(SORVIK_CLI, {"--data", dir.path(), "batch"});
    process.write(batchLine(kBirths[0]));
    process.closeWriteChannel();
    process.waitForFinished();
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().startsWith("sorvik-cli: standard input or output:"));
}

// chart, lunar and summary once ended with 0 over a full disk or a closed output.
TEST_F(CliTest, EveryCommandFailsWhenStandardOutputCannotBeWritten) {
    const QString names = dir.filePath("people.nam");
    sorvik::platform::writeSjisLines(names, {"山田,男,2020/06/04,12:00,"});
    const QStringList commands[] = {
        {"lunar", "2020/06/04 12:00"},
        kBirths[0],
        {"luck", "--sex", "女", "--date", "2020/06/04", "--time", "12:00"},
        {"luck", "--sex", "女", "--date", "2020/06/04", "--time", "12:00", "--csv"},
        {"summary", names},
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", dir.path());
    for (const QStringList& command : commands) {
        const QStringList args = QStringList{"--data", dir.path()} + command;
        QProcess full;
        full.setProcessEnvironment(environment);
        full.setStandardOutputFile(QStringLiteral("/dev/full"));
        full.start(SORVIK_CLI, args);
        full.waitForFinished();
        EXPECT_EQ(full.exitCode(), 1) << command.join(' ').toStdString();
        EXPECT_EQ(QString::fromUtf8(full.readAllStandardError()),
                  "sorvik-cli: standard output: No space left on device\n")
            << command.join(' ').toStdString();

        QProcess closed;
        closed.setProcessEnvironment(environment);
        closed.start("/bin/sh", QStringList{"-c", "exec \"$0\" \"$@\" >&-", SORVIK_CLI} + args);
        closed.waitForFinished();
        EXPECT_EQ(closed.exitCode(), 1) << command.join(' ').toStdString();
        EXPECT_TRUE(closed.readAllStandardError().startsWith("sorvik-cli: standard output: "))
            << command.join(' ').toStdString();
    }
}

TEST_F(CliTest, BatchAnswersALineBeforeTheInputEnds) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", dir.path());
    process.setProcessEnvironment(environment);
    process.start(SORVIK_CLI, {"--data", dir.path(), "batch"});
    process.write(batchLine(kBirths[0]));
    // The input stays open: the answer must come all the same.
    QByteArray answer;
    while (!answer.contains('\n') && process.waitForReadyRead(10000)) {
        answer += process.readAllStandardOutput();
    }
    EXPECT_EQ(QJsonDocument::fromJson(answer).object(), run(kBirths[0]).json);
    process.write(batchLine(kBirths[1]));
    process.closeWriteChannel();
    process.waitForFinished();
    EXPECT_EQ(process.exitCode(), 0);
    const QList<QByteArray> rest = process.readAllStandardOutput().split('\n');
    EXPECT_EQ(QJsonDocument::fromJson(rest.value(0)).object(), run(kBirths[1]).json);
}

TEST_F(CliTest, BatchOfNothingIsNothing) {
    const CliRun batch = run({"batch"});
    EXPECT_EQ(batch.status, 0) << batch.error.toStdString();
    EXPECT_TRUE(batch.output.isEmpty());
    EXPECT_TRUE(batch.error.isEmpty());
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

TEST_F(CliTest, SummaryGivesTheRowsOfTheNameListAndWritesThemWithOut) {
    // Only 紫微 is listed in the summary's star columns.
    sorvik::platform::writeSjisLines(dir.filePath("Default.ini"),
                                     {"[Sys]", "SG11=紫微,0,0,表示する,表示する,表示する,"});
    const QString names = dir.filePath("people.nam");
    sorvik::platform::writeSjisLines(names,
                                     {"山田,男,2020/06/04,12:00,", "田中,女,2020/06/04,25:00,"});
    const CliRun r = run({"summary", names});
    ASSERT_EQ(r.status, 0) << r.error.toStdString();
    const QJsonArray rows = r.json["rows"].toArray();
    ASSERT_EQ(rows.size(), 2);
    const QJsonArray first = rows[0].toArray();
    ASSERT_EQ(first.size(), 38);
    EXPECT_EQ(first[0].toString(), "山田");
    EXPECT_EQ(first[7].toString(), "庚子");
    EXPECT_EQ(first[8].toString(), "午");
    QStringList stars;
    for (int i = 0; i < 12; ++i) {
        stars << first[15 + 2 * i].toString();
    }
    EXPECT_EQ(stars.join(QString()), "紫微 ");
    EXPECT_EQ(rows[1].toArray()[3].toString(), "99:99");
    EXPECT_EQ(rows[1].toArray()[4].toString(), "");

    const QString out = dir.filePath("out.nam");
    const CliRun written = run({"summary", names, "--out", out});
    ASSERT_EQ(written.status, 0) << written.error.toStdString();
    EXPECT_TRUE(written.output.isEmpty());
    const QStringList lines = sorvik::platform::readSjisLines(out);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].count(u','), 38);
    EXPECT_TRUE(lines[0].startsWith("山田,男,2020/06/04,12:00,旧暦"));

    sorvik::platform::writeSjisLines(names, {"山田,男,2020/06/04,12:00,", "鈴木,男,,12:00,"});
    const CliRun refused = run({"summary", names, "--out", out});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.error.contains("2件目『鈴木』")) << refused.error.toStdString();
    EXPECT_EQ(sorvik::platform::readSjisLines(out), lines);
    EXPECT_EQ(run({"lunar", "2020/06/04 12:00", "--out", out}).status, 2);
}

// The summary is made a person at a time; its bytes are those of the whole list summarised at
// once, as the name list window makes them.
TEST_F(CliTest, SummaryGivesTheBytesOfTheWholeListSummarised) {
    sorvik::platform::writeSjisLines(dir.filePath("Default.ini"),
                                     {"[Sys]", "SG11=紫微,0,0,表示する,表示する,表示する,"});
    const QString names = dir.filePath("people.nam");
    const QList<QByteArray> files = {
        "",
        "\r\n",
        ",\x8f\x97,2020/06/04,12:00,\r\n",
        "\x8eR\x93\x63,\x92\x6a,2020/06/04,12:00,\r\n\x93\x63,\x8f\x97,20/6/5,0:05\r\n"
        "x,\x92\x6a,2020/06/04,25:00,\r\ny,\x92\x6a,2030/01/01,12:00,\r\n"
        "z,?,2019/12/01,23:59,,,,\rlast,\x8f\x97,2020/01/24,1:00",
    };
    const sorvik::engine::CalendarTable calendar = sorvik::engine::testing::sampleCalendar();
    for (const QByteArray& bytes : files) {
        QFile file(names);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();

        sorvik::records::NameList list;
        list.reset(sorvik::records::readNameFile(names));
        const sorvik::engine::StarDisplayNames starNames =
            sorvik::engine::BuildStarDisplayNames("殺");
        sorvik::platform::KeyStore keys(dir.filePath("sorvik/registry.ini"));
        sorvik::settings::ZiWeiSettings ziWei(dir.path(), keys, starNames);
        ziWei.startUp();
        const sorvik::records::SummaryContext context(
            calendar, starNames, ziWei, ziWei.bodyStarRule(),
            sorvik::settings::readListedStars(dir.filePath("Default.ini")));
        ASSERT_FALSE(sorvik::records::summariseList(list, context).stoppedAt);
        QJsonArray rows;
        for (int row = 0; row < list.rowCount() && !list.isEmpty(); ++row) {
            rows.append(QJsonArray::fromStringList({list.row(row).begin(), list.row(row).end()}));
        }
        const CliRun json = run({"summary", names});
        ASSERT_EQ(json.status, 0) << json.error.toStdString();
        EXPECT_EQ(json.bytes,
                  QJsonDocument(QJsonObject{{"rows", rows}}).toJson(QJsonDocument::Compact) + '\n')
            << bytes.toStdString();

        const QString expected = dir.filePath("expected.nam");
        sorvik::records::writeNameFile(expected, list);
        const QString out = dir.filePath("out.nam");
        ASSERT_EQ(run({"summary", names, "--out", out}).status, 0);
        EXPECT_EQ(sorvik::platform::readWholeFile(out), sorvik::platform::readWholeFile(expected))
            << bytes.toStdString();
    }
}

// Older Windows programs end the file with 0x1A and may write a sex of neither kind.
TEST_F(CliTest, SummaryReadsANameFileOfOlderProgramsAndTellsOfAnUnknownSex) {
    const QString names = dir.filePath("old.nam");
    QFile file(names);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        sorvik::platform::encodeSjisLines({"山田,男,2020/06/04,12:00,", "田中,M,2020/06/04,12:00,",
                                           "鈴木,女,2020/06/04,12:00,"}) +
        "\x1a");
    file.close();
    const CliRun r = run({"summary", names});
    ASSERT_EQ(r.status, 0) << r.error.toStdString();
    EXPECT_EQ(r.json["rows"].toArray().size(), 3);
    EXPECT_EQ(r.error,
              "sorvik-cli: 『" + names +
                  "』の2行目の性別は「男」「女」のどちらでもないため、男として扱います。\n");
    // Counted as 男: the same summary as the first person's, but for the name and sex.
    const QJsonArray first = r.json["rows"].toArray()[0].toArray();
    const QJsonArray second = r.json["rows"].toArray()[1].toArray();
    EXPECT_EQ(second[1].toString(), "M");
    for (qsizetype i = 2; i < first.size(); ++i) {
        EXPECT_EQ(first[i], second[i]) << i;
    }
}

// An endless or oversized input is refused by name before memory runs out, and --out
// replaces nothing but a file.
TEST_F(CliTest, SummaryRefusesWhatIsNoNameFileAndWritesOnlyOverAFile) {
    const QString fifo = dir.filePath("pipe.nam");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString huge = dir.filePath("huge.nam");
    {
        QFile file(huge);  // sparse: nothing of it is on the disk
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize((qint64(1) << 30) + 1));
    }
    struct Case {
        QString file;
        QString message;
    };
    const Case cases[] = {
        {fifo, "sorvik-cli: 『" + fifo + "』は、ファイルではありません。\n"},
        {"/dev/zero", "sorvik-cli: 『/dev/zero』は、ファイルではありません。\n"},
        {huge, "sorvik-cli: 『" + huge +
                   "』は、大きすぎるため読み込めません。（1073741824バイトまで）\n"},
        {"", "sorvik-cli: ファイル名が指定されていません。\n"},
    };
    for (const Case& c : cases) {
        const CliRun r = run({"summary", c.file});
        EXPECT_EQ(r.status, 1) << c.file.toStdString();
        EXPECT_EQ(r.error, c.message);
        EXPECT_TRUE(r.output.isEmpty());
    }

    const QString names = dir.filePath("people.nam");
    sorvik::platform::writeSjisLines(names, {"山田,男,2020/06/04,12:00,"});
    const CliRun refused = run({"summary", names, "--out", fifo});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.error,
              "sorvik-cli: 『" + fifo + "』は、ファイルではないため、書き込めません。\n");
    struct stat status {};
    ASSERT_EQ(::lstat(QFile::encodeName(fifo).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

}  // namespace

namespace {

// The exports of the worked chart over the program's own folder, with a key store of nothing.
TEST(CliExport, WritesTheWindowsBytesOnStandardOutputOrIntoAFile) {
    QTemporaryDir home;
    const auto exportChart = [&home](const QStringList& extra) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", home.path());
        process.setProcessEnvironment(environment);
        process.start(SORVIK_EXPORT, extra + QStringList{"--name", "山田太郎", "--sex", "男",
                                                         "--date", "1984/02/02", "--time", "12:00",
                                                         "--target", "1985/03/01 12:00"});
        process.waitForFinished();
        return std::pair{process.exitCode(), process.readAllStandardOutput()};
    };
    const auto fixture = [](const char* name) {
        QFile file(QDir(SORVIK_FIXTURES).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    EXPECT_EQ(exportChart({"html"}), std::pair(0, fixture("worked_chart.html")));
    const QString text = home.filePath("氏名：山田太郎.txt");
    EXPECT_EQ(exportChart({"text", "--out", text}), std::pair(0, QByteArray()));
    QFile written(text);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), fixture("worked_chart.txt"));
    const auto [status, pdf] = exportChart({"pdf"});
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(exportChart({"xml"}).first, 2);
}

}  // namespace

// Whatever a run lets escape ends it with its message and status 1, never with terminate.
TEST(CliErrors, AnyExceptionEndsTheRunWithItsMessageAndStatusOne) {
    using sorvik::cli::runReportingErrors;
    const std::pair<std::function<int()>, std::string> cases[] = {
        {[]() -> int { throw std::bad_alloc(); }, "sorvik-cli: std::bad_alloc\n"},
        {[]() -> int { throw std::out_of_range("row 7"); }, "sorvik-cli: row 7\n"},
        {[]() -> int { throw sorvik::Error("表が壊れています。"); },
         "sorvik-cli: 表が壊れています。\n"},
        {[]() -> int { throw 42; }, "sorvik-cli: 予期しないｴﾗｰが発生しました。\n"},
    };
    for (const auto& [work, message] : cases) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(runReportingErrors("sorvik-cli", work), 1);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), message);
    }
    testing::internal::CaptureStderr();
    EXPECT_EQ(runReportingErrors(
                  "sorvik-cli", []() -> int { throw sorvik::cli::UsageError("no command given"); }),
              2);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("no command given"), std::string::npos);
}
