#include "settings/system_settings.h"

#include <set>

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/key_store.h"
#include "platform/sjis.h"

namespace sorvik::settings {
namespace {

class SystemSettingsTest : public testing::Test {
  protected:
    void writeSettingsFile(const QByteArray& sjisBody) {
        QFile file(dir_.filePath("Default.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(sjisBody);
    }
    QByteArray settingsFileBytes() {
        QFile file(dir_.filePath("Default.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    SystemSettings loaded() {
        SystemSettings s(dir_.path(), keys_, names_);
        s.LoadSettings();
        return s;
    }

    QTemporaryDir dir_;
    platform::KeyStore keys_{dir_.filePath("keys.ini")};
    engine::StarDisplayNames names_ = engine::BuildStarDisplayNames("殺");
};

TEST_F(SystemSettingsTest, NoFileGivesTheDefaultsAndOkRefusesUntilTwoInfoRows) {
    SystemSettings s = loaded();
    EXPECT_EQ(s.meiExeName(), "notepad.exe");
    EXPECT_EQ(s.meiExeHtml(), "Iexplore.exe");
    EXPECT_EQ(s.verticalMargin(), 3);
    for (const char* margin : {"-1", "2147483647", "x"}) {
        s.setVerticalMarginText(margin);
        EXPECT_EQ(s.verticalMargin(), 3) << margin;
    }
    s.setVerticalMarginText("0");
    EXPECT_EQ(s.verticalMargin(), 0);
    EXPECT_EQ(s.starRowsPerPalace(), 2);
    EXPECT_EQ(s.starColumnsPerPalace(), 7);
    EXPECT_TRUE(s.hasChartLayout());
    EXPECT_FALSE(s.SCB(1));
    EXPECT_FALSE(s.SCB(2));
    EXPECT_TRUE(s.SCB(3));
    EXPECT_TRUE(s.SCB(4));
    EXPECT_TRUE(s.SCB(5));
    EXPECT_TRUE(s.netCheck());
    EXPECT_EQ(s.palaceColour(kSelectedPalace), QColor(Qt::cyan));
    EXPECT_EQ(s.palaceColour(kOppositePalace), QColor(Qt::green));
    EXPECT_EQ(s.palaceColour(kTrinePalace), QColor(Qt::yellow));
    EXPECT_EQ(s.palaceColour(kOtherPalace), QColor(Qt::white));
    for (int r = 1; r < kInfoTableRows; ++r) {
        for (int c = 1; c < kInfoTableColumns; ++c) {
            EXPECT_EQ(s.infoItem(r, c), InfoItem::None);
        }
    }
    // The default row has no comma after its last item, so that cell reads empty.
    EXPECT_EQ(s.KCSG(1, 5), "表示無し");
    EXPECT_EQ(s.KCSG(1, 6), "");
    EXPECT_EQ(s.KCSG(0, 1), "１つ目");
    EXPECT_EQ(s.KCSG(5, 0), "５行目");
    EXPECT_EQ(s.CountInfoRows(), 0);
    EXPECT_EQ(s.SG1(0, 1), "表示色");
    EXPECT_EQ(s.SG1(1, 0), "紫微");
    EXPECT_EQ(s.SG1(60, 0), "陰殺");
    EXPECT_FALSE(s.starColour(1).has_value());
    EXPECT_TRUE(s.showInChart(129));
    EXPECT_TRUE(s.showInDetail(129));
    EXPECT_FALSE(s.showInList(129));
    EXPECT_EQ(s.PCG(), 15);
    EXPECT_EQ(s.NRG(), 0);
    EXPECT_EQ(s.DateE(), "9999/07/01");

    const auto refusal = s.accept();
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->reason, SaveRefusal::Reason::TooFewInfoRows);
    EXPECT_EQ(refusal->message, "命盤宮欄は、必ず２行以上になるように、指定して下さい。");
    EXPECT_FALSE(QFile::exists(dir_.filePath("Default.ini")));
}

TEST_F(SystemSettingsTest, OkRefusesFewerThanTwoInfoRowsThenABadDate) {
    struct Case {
        int usedRows;
        QString date;
        std::optional<SaveRefusal::Reason> refusal;
    };
    const Case cases[] = {
        {1, "2020/01/01", SaveRefusal::Reason::TooFewInfoRows},
        {1, "bad", SaveRefusal::Reason::TooFewInfoRows},  // the rows are checked first
        {2, "2020/02/30", SaveRefusal::Reason::BadTargetDate},
        {2, "", SaveRefusal::Reason::BadTargetDate},
        {2, "9999/02/29", SaveRefusal::Reason::BadTargetDate},
        {2, "9999/12/31", std::nullopt},
        {5, "2024/02/29", std::nullopt},
    };
    for (const Case& c : cases) {
        SystemSettings s(dir_.path(), keys_, names_);
        for (int r = 1; r <= c.usedRows; ++r) {
            s.setKCSG(r, 6, "動宮");
        }
        s.setDateE(c.date);
        const auto refusal = s.validate();
        ASSERT_EQ(refusal.has_value(), c.refusal.has_value()) << c.date.toStdString();
        if (refusal) {
            EXPECT_EQ(refusal->reason, *c.refusal);
            EXPECT_EQ(refusal->message,
                      c.refusal == SaveRefusal::Reason::TooFewInfoRows
                          ? "命盤宮欄は、必ず２行以上になるように、指定して下さい。"
                          : "造命日付指定が不正です。");
        }
    }
}

TEST_F(SystemSettingsTest, RowsAreCutAtCommasAndALastPieceWithoutCommaIsDropped) {
    writeSettingsFile(
        platform::encodeSjis("[Sys]\r\n"
                             "SG11=x,255,255,表示する,\r\n"
                             "SG12=x,,,表示しない,表示する,表示する\r\n"
                             "KCSG1=,干,支,身宮\r\n"
                             "KCSG2=,何か,表示無し,,,,大限,\r\n"
                             "BanYCount=x\r\n"
                             "BanXCount=12\r\n"
                             "CPnl0=255\r\n"));
    SystemSettings s = loaded();
    EXPECT_EQ(s.SG1(1, 0), "紫微");  // names are rewritten, whatever the file says
    EXPECT_EQ(s.SG1(1, 3), "表示する");
    EXPECT_EQ(s.starColour(1), QColor(Qt::red));
    EXPECT_TRUE(s.showInChart(1));
    EXPECT_FALSE(s.showInDetail(1));
    EXPECT_FALSE(s.showInList(1));
    EXPECT_FALSE(s.showInChart(2));
    EXPECT_TRUE(s.showInDetail(2));
    EXPECT_FALSE(s.showInList(2));  // its piece has no comma after it
    EXPECT_EQ(s.KCSG(1, 1), "干");
    EXPECT_EQ(s.KCSG(1, 2), "支");
    EXPECT_EQ(s.KCSG(1, 3), "");
    EXPECT_EQ(s.infoItem(2, 1), InfoItem::None);  // an unknown text counts as 表示無し
    EXPECT_EQ(s.infoItem(2, 6), InfoItem::Decade);
    EXPECT_EQ(s.CountInfoRows(), 2);
    EXPECT_EQ(s.banYCount(), 1);  // not a number: the default
    EXPECT_EQ(s.banXCount(), 12);
    EXPECT_FALSE(s.hasChartLayout());
    EXPECT_EQ(s.palaceColour(kSelectedPalace), QColor(Qt::red));
    EXPECT_EQ(s.palaceColour(kOtherPalace), QColor(Qt::white));

    // A choice made by value is stored as the table's text, in the column of its view.
    s.setShowsStar(2, StarView::List, true);
    s.setShowsStar(1, StarView::Chart, false);
    EXPECT_EQ(s.SG1(2, kShowInListColumn), "表示する");
    EXPECT_EQ(s.SG1(1, kShowInChartColumn), "表示しない");
    EXPECT_TRUE(s.showInList(2));
    EXPECT_FALSE(s.showInChart(1));
}

TEST_F(SystemSettingsTest, OkWritesAProfileFileThatReadsBackTheSame) {
    // Another section and an unknown key of the user's file survive the save.
    writeSettingsFile(platform::encodeSjis("[Other]\r\nA=1\r\n[Sys]\r\nExtra=ｶﾅ\r\n"));
    SystemSettings s = loaded();
    s.setMeiExeName("mousepad");
    s.setMeiFolder("/home/user/出力");
    s.setVerticalMarginText("5");
    s.setBanYCount(3);
    s.setBanXCount(9);
    s.setSCB(1, true);
    s.setSCB(5, false);
    s.setPalaceColourValue(kTrinePalace, 0x123456);
    s.setKCSG(1, 1, "干");
    s.setKCSG(1, 2, "支");
    s.setKCSG(3, 6, "四化３");
    s.setStarColour(14, 255);
    s.setSG1(14, kShowInListColumn, "表示する");
    s.setPCG(5);
    s.setNRG(1);
    s.setDateE("2030/03/04");
    FontSetting chart = s.font(kChartFont);
    chart.name = "IPAexMincho";
    s.setFont(kChartFont, chart);
    ASSERT_FALSE(s.accept().has_value());

    const QByteArray bytes = settingsFileBytes();
    EXPECT_TRUE(bytes.startsWith("[Other]\r\nA=1\r\n[Sys]\r\nExtra=" + platform::encodeSjis("ｶﾅ") +
                                 "\r\n"));
    EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));
    EXPECT_TRUE(
        bytes.contains(platform::encodeSjis("\r\nKCSG1=１行目,干,支,表示無し,表示無し,"
                                            "表示無し,,\r\n")));
    EXPECT_TRUE(bytes.contains("\r\nSG110=" + platform::encodeSjis(s.SG1(10, 0)) + ",,,"));
    EXPECT_TRUE(bytes.contains(platform::encodeSjis("\r\nSG11=紫微,,,表示する,")));
    EXPECT_TRUE(bytes.contains(
        platform::encodeSjis("\r\nSG10=,表示色,,命盤に表示,説明に表示,一覧に表示,\r\n")));
    EXPECT_TRUE(bytes.contains("\r\nDefSysFile=Default.ini\r\n"));
    EXPECT_TRUE(bytes.contains("\r\nCPnl2=1193046\r\n"));
    EXPECT_TRUE(bytes.contains("\r\nSCB1=1\r\nSCB2=0\r\n"));

    SystemSettings back = loaded();
    for (int r = 0; r < kInfoTableRows; ++r) {
        for (int c = 0; c < kInfoTableColumns; ++c) {
            EXPECT_EQ(back.KCSG(r, c), s.KCSG(r, c));
        }
    }
    for (int r = 0; r < kStarDisplayRows; ++r) {
        for (int c = 0; c < kStarDisplayColumns; ++c) {
            EXPECT_EQ(back.SG1(r, c), s.SG1(r, c));
        }
    }
    EXPECT_EQ(back.meiExeName(), "mousepad");
    EXPECT_EQ(back.meiExeHtml(), "Iexplore.exe");
    EXPECT_EQ(back.meiFolder(), "/home/user/出力");
    EXPECT_EQ(back.verticalMargin(), 5);
    EXPECT_EQ(back.starRowsPerPalace(), 4);
    EXPECT_EQ(back.starColumnsPerPalace(), 15);
    EXPECT_TRUE(back.SCB(1));
    EXPECT_FALSE(back.SCB(5));
    EXPECT_EQ(back.palaceColourValue(kTrinePalace), 0x123456u);
    EXPECT_EQ(back.starColour(14), QColor(Qt::red));
    EXPECT_TRUE(back.showInList(14));
    EXPECT_EQ(back.PCG(), 5);
    EXPECT_EQ(back.NRG(), 1);
    EXPECT_EQ(back.DateE(), "2030/03/04");
    EXPECT_EQ(back.font(kChartFont).name, "IPAexMincho");

    // Saving again what was read changes no byte.
    back.save();
    EXPECT_EQ(settingsFileBytes(), bytes);
}

TEST_F(SystemSettingsTest, TheDefaultsMakeANewFileOfKnownBytes) {
    SystemSettings s = loaded();
    s.setMeiFolder("/out");
    s.save();

    QString expected = QStringLiteral(
        "[Sys]\r\nMeiExeName=notepad.exe\r\nMeiExeHTML=Iexplore.exe\r\nMeiFolder=/out\r\n"
        "DefSysFile=Default.ini\r\nMeiFont=ＭＳ Ｐ明朝\r\nBCBM=3\r\nBanYCount=1\r\n"
        "BanXCount=1\r\nSCB1=0\r\nSCB2=0\r\nSCB3=1\r\nSCB4=1\r\nSCB5=1\r\nNetCB=1\r\n"
        "CPnl0=16776960\r\nCPnl1=65280\r\nCPnl2=65535\r\nCPnl3=16777215\r\n"
        "KCSG0=,１つ目,２つ目,３つ目,４つ目,５つ目,６つ目,\r\n");
    const QString rowTitles = QStringLiteral("１２３４５");
    for (int r = 1; r <= 5; ++r) {
        expected +=
            QStringLiteral("KCSG%1=%2行目,表示無し,表示無し,表示無し,表示無し,表示無し,,\r\n")
                .arg(r)
                .arg(rowTitles.at(r - 1));
    }
    expected += QStringLiteral("SG10=,表示色,,命盤に表示,説明に表示,一覧に表示,\r\n");
    for (int r = 1; r < kStarDisplayRows; ++r) {
        expected += QStringLiteral("SG1%1=%2,,,表示する,表示する,表示しない,\r\n")
                        .arg(r)
                        .arg(QString::fromStdString(names_[r]));
    }
    expected += QStringLiteral("PCG=15\r\nNRG=0\r\nDateE=9999/07/01\r\n");
    EXPECT_EQ(settingsFileBytes(), platform::encodeSjis(expected));
}

TEST_F(SystemSettingsTest, ALayoutIndexOutsideItsListGivesTheDefaultGrid) {
    struct Case {
        const char* y;
        const char* x;
        int rows;
        int columns;
        bool layout;
    };
    const Case cases[] = {
        {"0", "0", 1, 6, true},
        {"3", "9", 4, 15, true},
        {"4", "10", 2, 7, false},
        {"-1", "-7", 2, 7, false},
        {"2147483647", "-2147483648", 2, 7, false},
        {"99999999999", "x", 2, 7, true},  // not numbers: the defaults of the load
    };
    for (const Case& c : cases) {
        writeSettingsFile(QByteArray("[Sys]\r\nBanYCount=") + c.y + "\r\nBanXCount=" + c.x +
                          "\r\n");
        const SystemSettings s = loaded();
        EXPECT_EQ(s.starRowsPerPalace(), c.rows) << c.y;
        EXPECT_EQ(s.starColumnsPerPalace(), c.columns) << c.x;
        EXPECT_EQ(s.hasChartLayout(), c.layout) << c.y << " " << c.x;
    }
}

TEST_F(SystemSettingsTest, ASubstituteThatCannotStandInTheFileLeavesTheStarRowsIntact) {
    // A comma, a line end, a code without a character (U+FFFD), and an ordinary one.
    const char* substitutes[] = {",", "\r\n", "\xEF\xBF\xBD", "殺"};
    for (const char* substitute : substitutes) {
        QFile::remove(dir_.filePath("Default.ini"));
        const engine::StarDisplayNames names(substitute);
        SystemSettings s(dir_.path(), keys_, names);
        s.LoadSettings();
        s.setStarColour(60, 255);
        s.setSG1(60, kShowInListColumn, "表示する");
        s.setStarColour(61, 65280);
        ASSERT_NO_THROW(s.save()) << substitute;

        SystemSettings back(dir_.path(), keys_, names);
        back.LoadSettings();
        for (int r : {60, 61, 111, 116}) {
            for (int c = 0; c < kStarDisplayColumns; ++c) {
                EXPECT_EQ(back.SG1(r, c), s.SG1(r, c)) << substitute << " row " << r;
            }
        }
    }
}

TEST_F(SystemSettingsTest, FontsLiveInTheKeyStoreAndCancelRestoresOnlyTheChartFaceName) {
    const QString key = "Software\\Velmora\\TQLX4\\SetuFont";
    keys_.writeText(key, "Size", "12");
    keys_.writeText(key, "Name", "IPAexGothic");
    keys_.writeText(key, "Color", "255");
    keys_.writeText("Software\\Velmora\\TQLX4\\SysFont", "Size", "big");

    SystemSettings s = loaded();
    s.loadFonts();
    EXPECT_EQ(s.font(kDescriptionFont), (FontSetting{"IPAexGothic", 12, 0, 255}));
    EXPECT_EQ(s.font(kSystemFont), (FontSetting{"ＭＳ Ｐゴシック", 9, 0, 0}));
    EXPECT_EQ(s.font(kChartFont), (FontSetting{"ＭＳ Ｐ明朝", 9, 0, 0}));

    s.setFont(kChartFont, {"Picked", 14, kBold | kItalic, 0xFF});
    s.setFont(kChartPrintFont, {"Printed", 11, kUnderline, 0});
    s.LoadSettings();  // Cancel: no MeiFont in a missing file keeps the face name
    EXPECT_EQ(s.font(kChartFont).name, "Picked");
    s.saveFonts();
    writeSettingsFile("[Sys]\r\nMeiFont=FromFile\r\n");
    s.LoadSettings();
    EXPECT_EQ(s.font(kChartFont), (FontSetting{"FromFile", 14, kBold | kItalic, 0xFF}));
    EXPECT_EQ(s.font(kChartPrintFont), (FontSetting{"Printed", 11, kUnderline, 0}));

    SystemSettings other(dir_.path(), keys_, names_);
    other.loadFonts();
    EXPECT_EQ(other.font(kChartFont), (FontSetting{"Picked", 14, kBold | kItalic, 0xFF}));
    EXPECT_EQ(other.font(kChartPrintFont), (FontSetting{"Printed", 11, kUnderline, 0}));
}

TEST_F(SystemSettingsTest, SettingsFileNameFollowsWhatExistsBesideTheProgram) {
    EXPECT_EQ(chooseSettingsFileName(dir_.path(), ""), "DEFAULT.SET");
    writeSettingsFile("[Sys]\r\n");
    EXPECT_EQ(chooseSettingsFileName(dir_.path(), ""), "Default.ini");
    EXPECT_EQ(chooseSettingsFileName(dir_.path(), "DEFAULT.INI"), "DEFAULT.INI");
    EXPECT_EQ(chooseSettingsFileName(dir_.path(), "gone.set"), "DEFAULT.SET");
    EXPECT_EQ(chooseSettingsFileName(dir_.path(), dir_.filePath("Default.ini")),
              dir_.filePath("Default.ini"));

    // The name is looked up without regard to case.
    SystemSettings s(dir_.path(), keys_, names_);
    s.setSettingsFileName("DEFAULT.INI");
    EXPECT_TRUE(s.settingsFileExists());
    EXPECT_EQ(s.settingsFilePath(), dir_.filePath("Default.ini"));
}

TEST_F(SystemSettingsTest, DefaultTargetDateStaysWithinOneHundredFiftyYearsOfBirth) {
    const engine::DateTime birth{{1900, 1, 1}, 6, 30};
    const engine::Date lastDay = engine::addDays(birth.date, 54787);  // + 12 hours
    struct Case {
        int nrg;
        QString dateE;
        engine::DateTime now;
        engine::DateTime expected;
        bool replaced;
    };
    const Case cases[] = {
        {0, "", {lastDay, 18, 30}, {lastDay, 18, 30}, false},  // exactly 54787.5 days
        {0, "", {lastDay, 18, 31}, birth, true},
        {0, "", {engine::addDays(lastDay, 1), 18, 30}, birth, true},
        {0, "", {{1900, 1, 1}, 6, 30}, birth, false},
        {0, "", {{1900, 1, 1}, 6, 29}, birth, true},
        {1, "1950/05/06", {{2024, 8, 9}, 10, 11}, {{1950, 5, 6}, 10, 11}, false},
        {1, "9999/07/01", {{2024, 8, 9}, 10, 11}, {{2024, 7, 1}, 10, 11}, false},
        {1, "9999/02/29", {{2023, 8, 9}, 10, 11}, {{2023, 8, 9}, 10, 11}, false},
        {1, "1899/12/31", {{2024, 8, 9}, 10, 11}, birth, true},
    };
    for (const Case& c : cases) {
        SystemSettings s(dir_.path(), keys_, names_);
        s.setNRG(c.nrg);
        s.setDateE(c.dateE);
        const TargetDateChoice choice = chooseDefaultTargetDate(s, birth, c.now);
        EXPECT_EQ(choice.moment, c.expected)
            << c.dateE.toStdString() << " " << c.now.hour << ":" << c.now.minute;
        EXPECT_EQ(choice.replacedByBirth, c.replaced);
    }
}

TEST_F(SystemSettingsTest, TheShippedSettingsFileShowsAUsefulChart) {
    const QString dataDir = QStringLiteral(SORVIK_DATA_DIR);
    ASSERT_EQ(chooseSettingsFileName(dataDir, ""), "Default.ini");
    SystemSettings s(dataDir, keys_, names_);
    s.LoadSettings();
    EXPECT_TRUE(s.settingsFileExists());
    EXPECT_TRUE(s.hasChartLayout());
    EXPECT_EQ(s.CountInfoRows(), 3);
    EXPECT_FALSE(s.validate().has_value());
    EXPECT_EQ(s.meiFolder(), SystemSettings(dataDir, keys_, names_).meiFolder());
    std::set<QRgb> mainColours, otherColours;
    for (int n = 1; n <= engine::kStarCount; ++n) {
        EXPECT_TRUE(s.showInChart(n)) << n;
        ASSERT_TRUE(s.starColour(n).has_value()) << n;
        (n <= 14 ? mainColours : otherColours).insert(s.starColour(n)->rgb());
    }
    EXPECT_EQ(mainColours.size(), 1u);
    EXPECT_EQ(otherColours.size(), 2u);  // good and bad
    EXPECT_FALSE(otherColours.contains(*mainColours.begin()));
}

// A settings file the program cannot use gives the defaults and says so once.
TEST_F(SystemSettingsTest, ADamagedFileGivesTheDefaultsAndSaysSo) {
    struct Case {
        const char* what;
        QByteArray bytes;  // empty with link: a file whose reading fails
        bool link;
    };
    const Case cases[] = {
        {"empty", "", false},
        {"random bytes", QByteArray("\x93\xfe\x81[S\xffys]\x01MeiExeName=x\x9f"), false},
        {"another section only", "[Other]\r\nBanYCount=3\r\n", false},
        {"unreadable", "", true},
    };
    for (const Case& c : cases) {
        QFile::remove(dir_.filePath("Default.ini"));
        if (c.link) {
            ASSERT_TRUE(QFile::link("/proc/self/mem", dir_.filePath("Default.ini")));
        } else {
            writeSettingsFile(c.bytes);
        }
        const SystemSettings s = loaded();
        EXPECT_TRUE(s.fellBackToDefaults()) << c.what;
        EXPECT_EQ(s.meiExeName(), "notepad.exe") << c.what;
        EXPECT_EQ(s.starRowsPerPalace(), 2) << c.what;
        EXPECT_TRUE(s.loadWarning().endsWith("\nｼｽﾃﾑ設定は、既定の設定を使います。")) << c.what;
        EXPECT_TRUE(s.loadWarning().contains("Default.ini")) << s.loadWarning().toStdString();
    }
    QFile::remove(dir_.filePath("Default.ini"));
    const SystemSettings none = loaded();  // a missing file is the first run, not damage
    EXPECT_FALSE(none.fellBackToDefaults());
    EXPECT_EQ(none.loadWarning(), "");
}

// Half a file once drew the star names black without a word; keys that a whole file lacks
// still take their defaults in silence.
TEST_F(SystemSettingsTest, AFileCutShortGivesTheDefaultsAndSaysSo) {
    QFile shipped(QStringLiteral(SORVIK_DATA_DIR "/Default.ini"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    QByteArray half = shipped.readAll();
    half.truncate(half.size() / 2);
    while (half.endsWith('\n') || half.endsWith('\r')) {
        half.chop(1);
    }
    writeSettingsFile(half);
    const SystemSettings cut = loaded();
    EXPECT_TRUE(cut.fellBackToDefaults());
    EXPECT_EQ(cut.loadWarning(),
              "ｼｽﾃﾑ設定ﾌｧｲﾙ『Default.ini』は、途中で切れています。\n"
              "ｼｽﾃﾑ設定は、既定の設定を使います。");
    EXPECT_EQ(settingsFileBytes(), half);

    writeSettingsFile(half.left(half.lastIndexOf('\n') + 1));
    const SystemSettings whole = loaded();
    EXPECT_FALSE(whole.fellBackToDefaults());
    EXPECT_EQ(whole.loadWarning(), "");
}

TEST_F(SystemSettingsTest, UnreadableBytesAreNamedByLineAndTheSettingsStaySaveable) {
    const QByteArray stored("[Sys]\r\nMeiExeName=ed\xff.exe\r\nBanYCount=2\r\nMeiFolder=\x81\r\n");
    writeSettingsFile(stored);
    SystemSettings s = loaded();
    EXPECT_FALSE(s.fellBackToDefaults());
    EXPECT_EQ(s.starRowsPerPalace(), 3);
    EXPECT_EQ(s.meiExeName(), "ed〓.exe");
    EXPECT_EQ(s.loadWarning(),
              "『Default.ini』の2、4行目に、文字として読めないバイトがありました。"
              "その部分を「〓」に置き換えて読み込みました。"
              "ファイルは、保存するまで元のままです。");
    EXPECT_EQ(settingsFileBytes(), stored);
    ASSERT_NO_THROW(s.save());
    EXPECT_EQ(loaded().loadWarning(), "");
}

}  // namespace
}  // namespace sorvik::settings
