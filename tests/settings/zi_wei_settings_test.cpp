#include "settings/zi_wei_settings.h"

#include <gtest/gtest.h>

#include <map>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "engine/errors.h"
#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "platform/key_store.h"
#include "platform/sjis.h"
#include "platform/text_file.h"

namespace sorvik::settings {
namespace {

const engine::StarDisplayNames& names() {
    static const engine::StarDisplayNames instance("殺");
    return instance;
}

// A data folder with both tables (every power "star mod 7 - 3", every brightness "2") and an
// empty key store.
class ZiWeiSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        writeTable(kPowerFileName, kPowerRows,
                   [](int star, int) { return QString::number(star % 7 - 3); });
        writeTable(kBrightnessFileName, kBrightnessRows, [](int, int) { return QString("2"); });
    }

    template <typename Value>
    void writeTable(const QString& name, int rows, Value value) {
        QStringList lines{"x,a,b,c,d,e,f,g,h,i,j,k,l,"};
        for (int row = 1; row < rows; ++row) {
            QString line = "name,";
            for (int b = 0; b < 12; ++b) {
                line += value(row, b) + ',';
            }
            lines.append(line);
        }
        writeLines(name, lines);
    }
    void writeLines(const QString& name, const QStringList& lines) {
        platform::writeSjisLines(dir.filePath(name), lines);
    }

    std::unique_ptr<ZiWeiSettings> loaded() {
        auto s = std::make_unique<ZiWeiSettings>(dir.path(), keys, names());
        s->startUp();
        return s;
    }

    QTemporaryDir dir;
    platform::KeyStore keys{dir.filePath("registry.ini")};
};

TEST_F(ZiWeiSettingsTest, ASubstituteThatCannotStandInTheFileLeavesTheTablesIntact) {
    // A comma or a line end in a star name would shift the cells or rows of every later load.
    const char* substitutes[] = {",", "\r\n", "\xEF\xBF\xBD", "殺"};
    for (const char* substitute : substitutes) {
        const engine::StarDisplayNames names(substitute);
        ZiWeiSettings s(dir.path(), keys, names);
        s.startUp();
        s.setCell(Grid::Powers, 60, 1, "9");
        s.setCell(Grid::Powers, 61, 1, "-9");
        s.setCell(Grid::Brightness, 60, 12, "6");
        ASSERT_NO_THROW(s.save()) << substitute;

        ZiWeiSettings back(dir.path(), keys, names);
        back.startUp();
        for (Grid grid : {Grid::Powers, Grid::Brightness}) {
            for (int row = 1; row < back.rowCount(grid); ++row) {
                for (int column = 0; column < kTableColumns; ++column) {
                    EXPECT_EQ(back.cell(grid, row, column), s.cell(grid, row, column))
                        << substitute << " row " << row << " column " << column;
                }
            }
        }
        EXPECT_EQ(back.power(60, engine::Branch{0}), 9);
        EXPECT_EQ(back.power(61, engine::Branch{0}), -9);
        EXPECT_EQ(back.brightness(60, engine::Branch{11}), 6);
    }
}

TEST_F(ZiWeiSettingsTest, DefaultsWithoutRegistryValues) {
    const auto s = loaded();
    const strength::PalaceWeights& w = s->palaceWeights();
    EXPECT_EQ(w.life, 10000);
    EXPECT_EQ(w.body, 10000);
    EXPECT_EQ(w.opposite, 500000);
    EXPECT_EQ(w.trine, 300000);
    EXPECT_EQ(w.neighbour, 10000);
    const strength::DoubleStarNumbers& n = s->doubleStarNumbers();
    EXPECT_EQ(n.pairPowers, (std::array<int, 25>{10, 10, 8,  8, 6,  6, -4, -4, 5, 5, 5,  5, 5,
                                                 3,  3,  -4, 2, -1, 1, 1,  1,  1, 1, -1, -1}));
    EXPECT_EQ(n.relationWeights, (std::array<int, 5>{30, 15, 15, 8, 8}));
    EXPECT_EQ(s->cell(Grid::Numbers, 7, 0), "紫微・天府");
    EXPECT_EQ(s->cell(Grid::Numbers, 31, 0), "蜚廉・破砕");
    EXPECT_EQ(s->cell(Grid::Numbers, 36, 0), "挟　照");
    EXPECT_EQ(s->cell(Grid::Numbers, 0, 1), "加算●(1～100%)");
    EXPECT_EQ(s->brightnessSymbols(),
              (std::array<QString, 8>{"　", "☆", "◎", "○", "□", "△", "●", "★"}));
    EXPECT_EQ(s->luckRatios(), (LuckRatios{60, 30, 10}));
    EXPECT_EQ(s->tianMaRule(), 0);
    EXPECT_EQ(s->bodyStarRule(), 0);
    EXPECT_EQ(s->palaceNameTable()[0], "命　宮");
    EXPECT_EQ(s->palaceNameTable()[11], "父母宮");
    // The palace at branch b takes entry (命宮 − b) mod 12.
    EXPECT_EQ(s->palaceNameAt(engine::Branch{8}, engine::Branch{8}), "命　宮");
    EXPECT_EQ(s->palaceNameAt(engine::Branch{7}, engine::Branch{8}), "兄弟宮");
    EXPECT_EQ(s->palaceNameAt(engine::Branch{9}, engine::Branch{8}), "父母宮");
    // Tables: labels rewritten whatever the file held.
    EXPECT_EQ(s->cell(Grid::Powers, 0, 0), "");
    EXPECT_EQ(s->cell(Grid::Powers, 0, 1), "子");
    EXPECT_EQ(s->cell(Grid::Powers, 60, 0), "陰殺");
    EXPECT_EQ(s->cell(Grid::Brightness, 86, 0), "養　");
    EXPECT_EQ(s->power(1, engine::Branch{0}), -2);
    EXPECT_EQ(s->power(129, engine::Branch{11}), 129 % 7 - 3);
    EXPECT_EQ(s->brightness(86, engine::Branch{11}), 2);
    EXPECT_EQ(s->brightness(87, engine::Branch{0}), 0);
}

// The power table with every star's line as the file had it, then the given lines over it.
QStringList powerLines(const std::map<int, QString>& replaced) {
    QStringList lines{"x,a,b,c,d,e,f,g,h,i,j,k,l,"};
    for (int row = 1; row < kPowerRows; ++row) {
        lines.append(replaced.count(row) ? replaced.at(row) : "x,1,1,1,1,1,1,1,1,1,1,1,1,");
    }
    return lines;
}

TEST_F(ZiWeiSettingsTest, TableFilesAreFoundIgnoringCaseAndCutAtCommas) {
    auto s = loaded();
    QFile::remove(dir.filePath(kPowerFileName));
    // Lines beyond the table's last row are ignored.
    writeLines("HosiSuu.Dat", powerLines({
                                  {1, "紫微,1,2,3,4,5,6,7,8,9,10,-1,-2,99,98,"},  // extra pieces
                                  {2, "x,1,2,3,4,5,6,7,8,9,10,-1,-2"},            // no last comma
                              }) + QStringList(300, "1,2,3,"));
    s->load();
    EXPECT_EQ(s->powerFilePath(), dir.filePath("HosiSuu.Dat"));
    EXPECT_EQ(s->cell(Grid::Powers, 1, 0), "紫微");
    EXPECT_EQ(s->cell(Grid::Powers, 1, 12), "-2");
    EXPECT_EQ(s->cell(Grid::Powers, 2, 12), "-2");
    EXPECT_EQ(s->power(1, engine::Branch{11}), -2);
    EXPECT_EQ(s->power(129, engine::Branch{0}), 1);
}

// A table the readers could not use is refused when it loads, by file, star and branch.
TEST_F(ZiWeiSettingsTest, DamagedTablesAreRefusedByFileStarAndBranch) {
    struct Case {
        const char* file;
        QByteArray bytes;
        const char* message;
    };
    const auto lines = [](const std::map<int, QString>& replaced, int count = kPowerRows) {
        return platform::encodeSjisLines(powerLines(replaced).mid(0, count));
    };
    const Case cases[] = {
        {kBrightnessFileName, "", "『HOSIBYOU.DAT』に、『紫微』の行がありません。"},
        {kPowerFileName, lines({}, 60), "『HOSISUU.DAT』に、『陰殺』の行がありません。"},
        {kPowerFileName, lines({{129, "x,1,1,1,1,1,1,1,1,1,1,1,1.5,"}}),
         "『HOSISUU.DAT』の『流病府』亥の値「1.5」は、数値ではありません。"},
        {kBrightnessFileName, QByteArray(4000, '\x8e'),
         "『HOSIBYOU.DAT』に、『紫微』の行がありません。"},
        {kBrightnessFileName, "\r\nx,0,7,8,",
         "『HOSIBYOU.DAT』の『紫微』寅の値「8」は、範囲外の数値です。"},
        {kBrightnessFileName, "\r\nx,\x82\xff,",
         "『HOSIBYOU.DAT』の『紫微』子の値「〓〓」は、数値ではありません。"},
    };
    for (const Case& c : cases) {
        SetUp();
        auto s = loaded();
        s->setCell(Grid::Powers, 5, 5, "7");  // an edit since the last load
        platform::writeFileAtomically(dir.filePath(c.file), c.bytes);
        try {
            s->load();
            ADD_FAILURE() << c.message;
        } catch (const platform::DamagedFileError& e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(c.message));
        }
        // The tables of the last good load stand; no reader meets the damage.
        EXPECT_EQ(s->power(5, engine::Branch{4}), 5 % 7 - 3) << c.message;
        EXPECT_EQ(s->brightness(1, engine::Branch{0}), 2) << c.message;
        EXPECT_THROW(ZiWeiSettings(dir.path(), keys, names()).startUp(), platform::DamagedFileError)
            << c.message;
    }
}

// A line short of cells is still a table: its missing cells stay empty until OK makes them "0".
TEST_F(ZiWeiSettingsTest, ShortLinesLoadWithEmptyCellsThatOkTurnsToZero) {
    writeLines(kPowerFileName, powerLines({{1, "紫微,6,10,"}, {4, "x,1,1,1,1,1,1,1,1,1,1,1,,"}}));
    auto s = loaded();
    EXPECT_EQ(s->cell(Grid::Powers, 1, 2), "10");
    for (int column = 3; column <= 12; ++column) {
        EXPECT_EQ(s->cell(Grid::Powers, 1, column), "") << column;
    }
    EXPECT_EQ(s->cell(Grid::Powers, 4, 12), "");
    EXPECT_EQ(s->power(1, engine::Branch{1}), 10);
    // Only a reader that needs an empty power fails, naming it.
    try {
        s->power(1, engine::Branch{2});
        FAIL();
    } catch (const engine::ConversionError& e) {
        EXPECT_STREQ(e.what(), "諸星力量の『紫微』寅の値「」は、数値ではありません。");
    }

    ASSERT_EQ(s->accept(), std::nullopt);
    EXPECT_EQ(s->cell(Grid::Powers, 1, 3), "0");
    const QStringList saved = platform::readSjisLines(dir.filePath(kPowerFileName));
    EXPECT_EQ(saved.at(1), "紫微,6,10,0,0,0,0,0,0,0,0,0,0,");
    EXPECT_EQ(saved.at(4), "武曲,1,1,1,1,1,1,1,1,1,1,1,0,");
}

TEST_F(ZiWeiSettingsTest, AnEmptyBrightnessCellIsCodeZeroAndAFailedReloadStillReadsTheRegistry) {
    auto s = loaded();
    QStringList lines{"header"};
    for (int row = 1; row < kBrightnessRows; ++row) {
        lines.append("x,,,,,,,,,,,,3,");
    }
    writeLines(kBrightnessFileName, lines);
    ASSERT_NO_THROW(s->load());
    EXPECT_EQ(s->brightness(1, engine::Branch{0}), 0);
    EXPECT_EQ(s->brightness(86, engine::Branch{11}), 3);

    keys.writeText(kRegistryKey, "RG1", "2");
    QFile::remove(dir.filePath(kPowerFileName));
    EXPECT_THROW(s->load(), platform::FileError);
    EXPECT_EQ(s->tianMaRule(), 2);
    EXPECT_EQ(s->power(3, engine::Branch{0}), 3 % 7 - 3);
}

TEST_F(ZiWeiSettingsTest, ReadersConvertCachedCellsAndNameTheBadOne) {
    auto s = loaded();
    EXPECT_EQ(s->power(24, engine::Branch{3}), 24 % 7 - 3);
    s->setCell(Grid::Powers, 24, 4, "8");
    EXPECT_EQ(s->power(24, engine::Branch{3}), 8);  // an edit reaches the next reader
    s->setCell(Grid::Powers, 24, 4, "x");
    try {
        s->power(24, engine::Branch{3});
        FAIL();
    } catch (const engine::ConversionError& e) {
        EXPECT_STREQ(e.what(), "諸星力量の『火星』卯の値「x」は、数値ではありません。");
    }
    EXPECT_EQ(s->power(24, engine::Branch{4}), 24 % 7 - 3);  // other cells still read

    s->setCell(Grid::Brightness, 3, 1, "");
    s->setCell(Grid::Brightness, 4, 1, "8");
    EXPECT_EQ(s->brightness(3, engine::Branch{0}), 0);
    try {
        s->brightness(4, engine::Branch{0});
        FAIL();
    } catch (const engine::ConversionError& e) {
        EXPECT_STREQ(e.what(), "廟旺利陥の『武曲』子の値「8」は、範囲外の数値です。");
    }

    s->setCell(Grid::Numbers, 3, 1, "12.5");
    EXPECT_EQ(s->palaceWeights().opposite, 125000);
    s->setCell(Grid::Numbers, 4, 1, "");
    EXPECT_THROW(s->palaceWeights(), engine::ConversionError);
    EXPECT_NO_THROW(s->doubleStarNumbers());
    s->setCell(Grid::Numbers, 35, 1, "abc");
    try {
        s->doubleStarNumbers();
        FAIL();
    } catch (const engine::ConversionError& e) {
        EXPECT_STREQ(e.what(), "数値設定の『冲　照』の値「abc」は、数値ではありません。");
    }
}

TEST_F(ZiWeiSettingsTest, SaveAndLoadRoundTrip) {
    auto s = loaded();
    s->setCell(Grid::Powers, 1, 1, "10");
    s->setCell(Grid::Powers, 129, 12, "-9");
    s->setCell(Grid::Brightness, 86, 12, "7");
    s->setCell(Grid::Numbers, 1, 1, "2.5");
    s->setCell(Grid::Numbers, 31, 1, "-7");
    s->setBrightnessSymbol(1, "廟");
    s->setBrightnessSymbol(0, "");
    s->setLuckRatios({50, 25, 25});
    s->setTianMaRule(2);
    s->setBodyStarRule(1);
    s->setUserPalaceName(0, "本　命");
    s->setUserPalaceName(11, "両親宮");
    s->save();

    const QByteArray bytes = platform::readWholeFile(s->powerFilePath());
    const QList<QByteArray> lines = bytes.split('\n');
    EXPECT_EQ(lines.size(), 131);  // 130 lines and nothing after the last line end
    EXPECT_TRUE(lines.last().isEmpty());
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        EXPECT_TRUE(lines[i].endsWith(",\r")) << i;
    }
    EXPECT_TRUE(
        bytes.startsWith(platform::encodeSjis(",子,丑,寅,卯,辰,巳,午,未,申,酉,戌,亥,\r\n")));
    EXPECT_EQ(platform::readSjisLines(s->brightnessFilePath()).size(), 87);

    platform::KeyStore again(keys.filePath());
    ZiWeiSettings t(dir.path(), again, names());
    t.startUp();
    for (const Grid grid : {Grid::Powers, Grid::Brightness, Grid::Numbers}) {
        for (int row = 0; row < s->rowCount(grid); ++row) {
            for (int column = 0; column < s->columnCount(grid); ++column) {
                ASSERT_EQ(t.cell(grid, row, column), s->cell(grid, row, column))
                    << static_cast<int>(grid) << " " << row << " " << column;
            }
        }
    }
    EXPECT_EQ(t.brightnessSymbols(), s->brightnessSymbols());
    EXPECT_EQ(t.luckRatios(), (LuckRatios{50, 25, 25}));
    EXPECT_EQ(t.tianMaRule(), 2);
    EXPECT_EQ(t.bodyStarRule(), 1);
    EXPECT_EQ(t.userPalaceNames(), s->userPalaceNames());
    EXPECT_EQ(t.palaceNameTable()[0], "本　命");
    EXPECT_EQ(again.readText(kRegistryKey, "KyuSG1"), "遷移宮,奴僕宮,官禄宮,田宅宮,福徳宮,両親宮,");
    EXPECT_TRUE(again.readText(kRegistryKey, "SG0").startsWith("加算●(1～100%),2.5,1,50,"));
}

TEST_F(ZiWeiSettingsTest, TheDefaultsAreStoredAsKnownTexts) {
    loaded()->save();
    const std::pair<const char*, const char*> values[] = {
        {"SG0",
         "加算●(1～100%),1,1,50,30,1,●(-9～10),10,10,8,8,6,6,-4,-4,5,5,5,5,5,3,3,-4,2,-1,1,1,1,1,1,"
         "-1,-1,●(1～100%),30,15,15,8,8,"},
        {"BSG", "　,☆,◎,○,□,△,●,★,"},
        {"TBar1", "60"},
        {"TBar2", "30"},
        {"TBar3", "10"},
        {"RG1", "0"},
        {"RG2", "0"},
        {"KyuSG0", "命　宮,兄弟宮,夫妻宮,子女宮,財帛宮,疾厄宮,"},
        {"KyuSG1", "遷移宮,奴僕宮,官禄宮,田宅宮,福徳宮,父母宮,"},
    };
    EXPECT_EQ(keys.valueNames(kRegistryKey).size(), std::size(values));
    for (const auto& [name, text] : values) {
        EXPECT_EQ(keys.readText(kRegistryKey, name), QString::fromUtf8(text)) << name;
    }
}

TEST_F(ZiWeiSettingsTest, RegistryReadingRules) {
    keys.writeText(kRegistryKey, "SG0", ",,7,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,31");  // row 33 = 31
    keys.writeText(kRegistryKey, "BSG", "a,,c");
    keys.writeText(kRegistryKey, "TBar1", "abc");
    keys.writeText(kRegistryKey, "TBar2", "40");
    keys.writeText(kRegistryKey, "TBar3", "5");
    keys.writeText(kRegistryKey, "RG1", "3");
    keys.writeText(kRegistryKey, "RG2", "-1");
    keys.writeText(kRegistryKey, "KyuSG0", "本命,兄弟宮,夫妻宮,子女宮,財帛宮,健康宮");  // 4 bytes
    const auto s = loaded();
    EXPECT_EQ(s->cell(Grid::Numbers, 1, 1), "1");  // empty piece: kept
    EXPECT_EQ(s->cell(Grid::Numbers, 2, 1), "7");
    EXPECT_EQ(s->cell(Grid::Numbers, 33, 1), "31");
    EXPECT_EQ(s->cell(Grid::Numbers, 37, 1), "8");
    EXPECT_EQ(s->brightnessSymbols(), (std::array<QString, 8>{"a", "", "c", "", "", "", "", ""}));
    // TBar1 falls back to 60; then each bar moves in turn and its rule runs.
    EXPECT_EQ(s->luckRatios(), (LuckRatios{60, 35, 5}));
    EXPECT_EQ(s->tianMaRule(), 0);
    EXPECT_EQ(s->bodyStarRule(), 0);
    EXPECT_EQ(s->userPalaceNames()[0], "命　宮");
    EXPECT_EQ(s->userPalaceNames()[5], "健康宮");
    EXPECT_EQ(s->userPalaceNames()[6], "遷移宮");
}

TEST_F(ZiWeiSettingsTest, OkChecksInOrderAndStopsAtTheFirstFault) {
    auto s = loaded();
    s->setUserPalaceName(2, "夫妻");
    s->setUserPalaceName(8, "官禄");
    s->setCell(Grid::Powers, 3, 4, "");
    s->setCell(Grid::Powers, 5, 6, "11");
    s->setCell(Grid::Brightness, 1, 1, "二");

    auto failure = s->validate();
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->where, ValidationFailure::Where::PalaceNames);
    EXPECT_EQ(failure->row, 8);  // both wrong: the lower one is named
    EXPECT_EQ(failure->message, "宮の名称「官禄」は、全角３文字で指定してください。");
    s->setUserPalaceName(8, "官禄宮");
    EXPECT_EQ(s->validate()->message, "宮の名称「夫妻」は、全角３文字で指定してください。");
    s->setUserPalaceName(2, "夫妻宮");

    failure = s->validate();
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->where, ValidationFailure::Where::Powers);
    EXPECT_EQ(failure->row, 5);
    EXPECT_EQ(failure->column, 6);
    EXPECT_EQ(failure->message, "「11」は、範囲外の数値です。");
    EXPECT_EQ(s->cell(Grid::Powers, 3, 4), "0");  // empty cells before it became "0"

    s->setCell(Grid::Powers, 5, 6, "10");
    failure = s->accept();
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->where, ValidationFailure::Where::Brightness);
    EXPECT_EQ(failure->message, "「二」は、数値ではありません。");
    s->setCell(Grid::Brightness, 1, 1, "7");
    s->setCell(Grid::Numbers, 33, 1, "0");
    failure = s->accept();
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->where, ValidationFailure::Where::Numbers);
    EXPECT_EQ(failure->row, 33);
    EXPECT_EQ(failure->column, 1);
    EXPECT_FALSE(keys.hasValue(kRegistryKey, "SG0"));  // nothing saved by a refused OK

    s->setCell(Grid::Numbers, 33, 1, "100");
    EXPECT_EQ(s->accept(), std::nullopt);
    EXPECT_EQ(keys.readText(kRegistryKey, "SG0").split(',')[33], "100");
}

TEST_F(ZiWeiSettingsTest, CommasNeverReachTheStoredLists) {
    auto s = loaded();
    s->setUserPalaceName(2, "夫妻,,");  // six bytes, but it would split the list of names
    const auto failure = s->validate();
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->row, 2);
    EXPECT_EQ(failure->message, "宮の名称「夫妻,,」は、全角３文字で指定してください。");

    s->setUserPalaceName(2, "夫妻宮");
    s->setBrightnessSymbol(2, "◎,");
    EXPECT_EQ(s->brightnessSymbols()[2], "◎");
    ASSERT_EQ(s->accept(), std::nullopt);
    platform::KeyStore again(keys.filePath());
    ZiWeiSettings t(dir.path(), again, names());
    t.startUp();
    EXPECT_EQ(t.brightnessSymbols(), s->brightnessSymbols());
}

TEST_F(ZiWeiSettingsTest, CancelDropsEditsSinceTheLastOk) {
    auto s = loaded();
    s->setCell(Grid::Powers, 2, 2, "9");
    ASSERT_EQ(s->accept(), std::nullopt);
    s->setCell(Grid::Powers, 2, 2, "x");
    s->setCell(Grid::Numbers, 5, 1, "99");
    s->setLuckRatios({0, 0, 100});
    s->setUserPalaceName(0, "本　命");
    s->cancel();
    EXPECT_EQ(s->power(2, engine::Branch{1}), 9);
    EXPECT_EQ(s->cell(Grid::Numbers, 5, 1), "1");
    EXPECT_EQ(s->luckRatios(), (LuckRatios{60, 30, 10}));
    EXPECT_EQ(s->palaceNameTable()[0], "命　宮");
}

}  // namespace
}  // namespace sorvik::settings
