#include "system_settings.h"

#include <algorithm>
#include <array>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/comma_list.h"
#include "platform/file_names.h"
#include "platform/key_store.h"
#include "platform/profile_file.h"
#include "platform/program_key.h"
#include "platform/prompts.h"
#include "settings/gaiji.h"

namespace sorvik::settings {

namespace {

const QString kSection = QString::fromLatin1(kSysSection);

constexpr const char16_t* kInfoColumnTitles[kInfoTableColumns] = {
    u"", u"１つ目", u"２つ目", u"３つ目", u"４つ目", u"５つ目", u"６つ目",
};
constexpr const char16_t* kInfoRowTitles[kInfoTableRows] = {
    u"", u"１行目", u"２行目", u"３行目", u"４行目", u"５行目",
};
constexpr const char16_t* kStarDisplayTitles[kStarDisplayColumns] = {
    u"", u"表示色", u"", u"命盤に表示", u"説明に表示", u"一覧に表示",
};
constexpr const char16_t* kStarListTitles[kStarListColumns] = {
    u"星名", u"級", u"吉凶", u"輝度", u"斗", u"五行", u"力量",
};
constexpr int kDefaultStarListWidths[kStarListColumns] = {43, 35, 35, 35, 35, 35, 35};
constexpr const char16_t* kFontKeyNames[kFontCount] = {u"MeiFont", u"SetuFont", u"MeiPFont",
                                                       u"SysFont"};

constexpr std::uint32_t kDefaultPanels[4] = {16776960, 65280, 65535, 16777215};
constexpr bool kDefaultSCB[5] = {false, false, true, true, true};

const QString kDefaultInfoRow =
    QStringLiteral(",表示無し,表示無し,表示無し,表示無し,表示無し,表示無し");
const QString kDefaultStarRow = QStringLiteral(",,,表示する,表示する,表示しない,");

constexpr long long kMinutesPerDay = 24 * 60;
// 150 years of 365.25 days.
constexpr long long kMaxTargetMinutes = 54787LL * kMinutesPerDay + kMinutesPerDay / 2;

QString q(const char16_t* text) {
    return QString::fromUtf16(text);
}

QString scbKey(int number) {
    return QStringLiteral("SCB%1").arg(number);
}

QString panelKey(int which) {
    return QStringLiteral("CPnl%1").arg(which);
}

std::optional<int> toInt(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// A table row of the settings file: a last piece that no comma follows is dropped.
void splitRow(const QString& line, QString* cells, int columns) {
    const QStringList pieces = platform::readCommaList(line, columns, platform::LastPiece::Dropped);
    std::copy(pieces.begin(), pieces.end(), cells);
}

QString joinRow(const QString* cells, int columns) {
    return platform::joinCommaList(QStringList(cells, cells + columns));
}

long long minutesOf(const engine::DateTime& moment) {
    return engine::daysFromCivil(moment.date) * kMinutesPerDay + moment.hour * 60LL + moment.minute;
}

std::optional<engine::Date> parseDate(const QString& text) {
    return engine::parseSlashedDate(text.trimmed().toStdString());
}

}  // namespace

QString infoItemName(InfoItem item) {
    const std::string_view name = strength::infoItemName(item);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

InfoItem infoItemNamed(const QString& name) {
    return strength::infoItemNamed(name.toStdString());
}

QString fontKeyName(FontRole role) {
    return q(kFontKeyNames[role]);
}

QColor colourFromWindows(std::uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

std::uint32_t windowsFromColour(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) |
           static_cast<std::uint32_t>(colour.green()) << 8 |
           static_cast<std::uint32_t>(colour.blue()) << 16;
}

SystemSettings::SystemSettings(QString appDir, platform::KeyStore& keys,
                               const engine::StarDisplayNames& names)
    : appDir_(std::move(appDir)), keys_(keys) {
    for (int n = 1; n < kStarDisplayRows; ++n) {
        starNames_[n] = QString::fromStdString(names[n]);
    }
    fonts_[kChartFont].name = QStringLiteral("ＭＳ Ｐ明朝");
    fonts_[kDescriptionFont].name = QStringLiteral("ＭＳ Ｐ明朝");
    fonts_[kChartPrintFont].name = QStringLiteral("ＭＳ Ｐ明朝");
    fonts_[kSystemFont].name = QStringLiteral("ＭＳ Ｐゴシック");
    resetStarListWidths();
    resetToDefaults();
}

QString SystemSettings::settingsFilePath() const {
    QString name = settingsFileName_;
    name.replace(u'\\', u'/');
    if (QFileInfo(name).isRelative()) {
        return platform::findFileIgnoringCase(appDir_, name);
    }
    return name;
}

bool SystemSettings::settingsFileExists() const {
    return !settingsFileName_.isEmpty() && QFileInfo(settingsFilePath()).isFile();
}

void SystemSettings::resetToDefaults() {
    meiExeName_ = QStringLiteral("notepad.exe");
    meiExeHtml_ = QStringLiteral("Iexplore.exe");
    meiFolder_ = QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    verticalMargin_ = QStringLiteral("3");
    banYCount_ = 1;
    banXCount_ = 1;
    for (int i = 0; i < 5; ++i) {
        scb_[i] = kDefaultSCB[i];
    }
    netCB_ = true;
    for (int i = 0; i < 4; ++i) {
        panels_[i] = kDefaultPanels[i];
    }
    for (int r = 0; r < kInfoTableRows; ++r) {
        splitRow(kDefaultInfoRow, &info_[r * kInfoTableColumns], kInfoTableColumns);
    }
    for (int r = 0; r < kStarDisplayRows; ++r) {
        splitRow(kDefaultStarRow, &stars_[r * kStarDisplayColumns], kStarDisplayColumns);
    }
    pcg_ = 15;
    nrg_ = 0;
    dateE_ = QStringLiteral("9999/07/01");
    writeTitles();
}

// Titles are not data: whatever the file holds there, they are put back after a load.
void SystemSettings::writeTitles() {
    for (int c = 0; c < kInfoTableColumns; ++c) {
        info_[c] = q(kInfoColumnTitles[c]);
    }
    for (int r = 1; r < kInfoTableRows; ++r) {
        info_[r * kInfoTableColumns] = q(kInfoRowTitles[r]);
    }
    for (int c = 0; c < kStarDisplayColumns; ++c) {
        stars_[c] = q(kStarDisplayTitles[c]);
    }
    for (int r = 1; r < kStarDisplayRows; ++r) {
        stars_[r * kStarDisplayColumns] = starNames_[r];
    }
}

void SystemSettings::LoadSettings() {
    const platform::ProfileFile file(settingsFileExists() ? settingsFilePath() : QString());
    const auto text = [&](const char* key, const QString& fallback) {
        return file.readString(kSection, QString::fromLatin1(key), fallback);
    };
    const auto integer = [&](const QString& key, int fallback) {
        return file.readInteger(kSection, key, fallback);
    };
    resetToDefaults();
    meiExeName_ = text("MeiExeName", meiExeName_);
    meiExeHtml_ = text("MeiExeHTML", meiExeHtml_);
    meiFolder_ = text("MeiFolder", meiFolder_);
    verticalMargin_ = text("BCBM", verticalMargin_);
    banYCount_ = integer(QStringLiteral("BanYCount"), banYCount_);
    banXCount_ = integer(QStringLiteral("BanXCount"), banXCount_);
    for (int n = 1; n <= 5; ++n) {
        scb_[n - 1] = integer(scbKey(n), scb_[n - 1] ? 1 : 0) != 0;
    }
    netCB_ = integer(QStringLiteral("NetCB"), 1) != 0;
    fonts_[kChartFont].name = text("MeiFont", fonts_[kChartFont].name);
    for (int i = 0; i < 4; ++i) {
        panels_[i] = static_cast<std::uint32_t>(integer(panelKey(i), static_cast<int>(panels_[i])));
    }
    for (int r = 0; r < kInfoTableRows; ++r) {
        splitRow(file.readString(kSection, QStringLiteral("KCSG%1").arg(r), kDefaultInfoRow),
                 &info_[r * kInfoTableColumns], kInfoTableColumns);
    }
    for (int r = 0; r < kStarDisplayRows; ++r) {
        splitRow(file.readString(kSection, QStringLiteral("SG1%1").arg(r), kDefaultStarRow),
                 &stars_[r * kStarDisplayColumns], kStarDisplayColumns);
    }
    pcg_ = integer(QStringLiteral("PCG"), pcg_);
    dateE_ = text("DateE", dateE_);
    nrg_ = integer(QStringLiteral("NRG"), nrg_);
    writeTitles();
}

std::optional<SaveRefusal> SystemSettings::validate() const {
    if (CountInfoRows() < 2) {
        return SaveRefusal{SaveRefusal::Reason::TooFewInfoRows, q(kTooFewInfoRowsMessage)};
    }
    if (!isValidTargetDateText(dateE_)) {
        return SaveRefusal{SaveRefusal::Reason::BadTargetDate, q(kBadTargetDateMessage)};
    }
    return std::nullopt;
}

void SystemSettings::save() const {
    platform::ProfileFile file(settingsFilePath());
    const auto put = [&](const QString& key, const QString& value) {
        file.writeString(kSection, key, value);
    };
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    put(QStringLiteral("MeiExeName"), meiExeName_);
    put(QStringLiteral("MeiExeHTML"), meiExeHtml_);
    put(QStringLiteral("MeiFolder"), meiFolder_);
    put(QStringLiteral("DefSysFile"), settingsFileName_);
    put(QStringLiteral("MeiFont"), fonts_[kChartFont].name);
    put(QStringLiteral("BCBM"), verticalMargin_);
    put(QStringLiteral("BanYCount"), QString::number(banYCount_));
    put(QStringLiteral("BanXCount"), QString::number(banXCount_));
    for (int n = 1; n <= 5; ++n) {
        put(scbKey(n), flag(scb_[n - 1]));
    }
    put(QStringLiteral("NetCB"), flag(netCB_));
    for (int i = 0; i < 4; ++i) {
        put(panelKey(i), QString::number(panels_[i]));
    }
    for (int r = 0; r < kInfoTableRows; ++r) {
        put(QStringLiteral("KCSG%1").arg(r),
            joinRow(&info_[r * kInfoTableColumns], kInfoTableColumns));
    }
    for (int r = 0; r < kStarDisplayRows; ++r) {
        std::array<QString, kStarDisplayColumns> row;
        std::copy_n(&stars_[r * kStarDisplayColumns], kStarDisplayColumns, row.begin());
        if (r > 0) {
            row[0] = storableStarName(row[0], r);
        }
        put(QStringLiteral("SG1%1").arg(r), joinRow(row.data(), kStarDisplayColumns));
    }
    put(QStringLiteral("PCG"), QString::number(pcg_));
    put(QStringLiteral("NRG"), QString::number(nrg_));
    put(QStringLiteral("DateE"), dateE_);
    file.save();
}

std::optional<SaveRefusal> SystemSettings::accept() const {
    if (auto refusal = validate()) {
        return refusal;
    }
    save();
    return std::nullopt;
}

void SystemSettings::loadFonts() {
    for (int i = 0; i < kFontCount; ++i) {
        const QString key = platform::programKey(q(kFontKeyNames[i]));
        FontSetting& f = fonts_[i];
        if (const auto size = toInt(keys_.readText(key, QStringLiteral("Size")))) {
            f.size = *size;
        }
        f.style = toInt(keys_.readText(key, QStringLiteral("Style"))).value_or(0);
        if (keys_.hasValue(key, QStringLiteral("Name"))) {
            f.name = keys_.readText(key, QStringLiteral("Name"));
        }
        if (const auto colour = toInt(keys_.readText(key, QStringLiteral("Color")))) {
            f.color = static_cast<std::uint32_t>(*colour);
        }
    }
}

void SystemSettings::saveFonts() const {
    for (int i = 0; i < kFontCount; ++i) {
        const QString key = platform::programKey(q(kFontKeyNames[i]));
        const FontSetting& f = fonts_[i];
        keys_.writeText(key, QStringLiteral("Size"), QString::number(f.size));
        keys_.writeText(key, QStringLiteral("Style"), QString::number(f.style));
        keys_.writeText(key, QStringLiteral("Name"), f.name);
        keys_.writeText(key, QStringLiteral("Color"), QString::number(f.color));
    }
    keys_.sync();
}

int SystemSettings::verticalMargin() const {
    // A hand-edited margin far out of range would give rows of negative or enormous height.
    const int margin = toInt(verticalMargin_).value_or(3);
    return margin >= 0 && margin <= kMaxVerticalMargin ? margin : 3;
}

bool SystemSettings::hasChartLayout() const {
    return banYCount_ >= 0 && banYCount_ <= 3 && banXCount_ >= 0 && banXCount_ <= 9;
}

QString SystemSettings::KCSG(int row, int column) const {
    return info_.at(row * kInfoTableColumns + column);
}

void SystemSettings::setKCSG(int row, int column, const QString& text) {
    info_.at(row * kInfoTableColumns + column) = text;
}

int SystemSettings::CountInfoRows() const {
    int count = 0;
    for (int r = 1; r < kInfoTableRows; ++r) {
        for (int c = 1; c < kInfoTableColumns; ++c) {
            if (infoItem(r, c) != InfoItem::None) {
                ++count;
                break;
            }
        }
    }
    return count;
}

QString SystemSettings::SG1(int row, int column) const {
    return stars_.at(row * kStarDisplayColumns + column);
}

void SystemSettings::setSG1(int row, int column, const QString& text) {
    stars_.at(row * kStarDisplayColumns + column) = text;
}

std::optional<QColor> SystemSettings::starColour(int starNumber) const {
    bool ok = false;
    const uint value = SG1(starNumber, kColourColumn).toUInt(&ok);
    return ok ? std::optional<QColor>(colourFromWindows(value)) : std::nullopt;
}

void SystemSettings::setStarColour(int starNumber, std::uint32_t value) {
    setSG1(starNumber, kColourColumn, QString::number(value));
    setSG1(starNumber, kColourShownColumn, QString::number(value));
}

bool SystemSettings::shown(int starNumber, int column) const {
    return SG1(starNumber, column) == q(kShown);
}

QString SystemSettings::starListTitle(int column) {
    return q(kStarListTitles[column]);
}

void SystemSettings::resetStarListWidths() {
    for (int c = 0; c < kStarListColumns; ++c) {
        starListWidths_[c] = kDefaultStarListWidths[c];
    }
}

QString chooseSettingsFileName(const QString& appDir, const QString& storedName) {
    const auto exists = [&](const QString& name) {
        return QFileInfo(platform::findFileIgnoringCase(appDir, name)).isFile();
    };
    const QString defaultIni = QString::fromLatin1(kDefaultIniName);
    const QString fallback = QString::fromLatin1(kDefaultSetName);
    if (storedName.isEmpty()) {
        return exists(defaultIni) ? defaultIni : fallback;
    }
    QString name = storedName;
    name.replace(u'\\', u'/');
    const bool found = QFileInfo(name).isRelative() ? exists(name) : QFileInfo(name).isFile();
    return found ? storedName : fallback;
}

bool isValidTargetDateText(const QString& text) {
    return parseDate(text).has_value();
}

bool isTargetWithinLifetime(const engine::DateTime& birth, const engine::DateTime& target) {
    const long long offset = minutesOf(target) - minutesOf(birth);
    return offset >= 0 && offset <= kMaxTargetMinutes;
}

TargetDateChoice chooseDefaultTargetDate(const SystemSettings& settings,
                                         const engine::DateTime& birth,
                                         const engine::DateTime& now) {
    engine::DateTime result = now;
    if (settings.NRG() == 1) {
        const QString text = settings.DateE();
        const auto date =
            text.left(4) != u"9999"
                ? parseDate(text)
                : parseDate(QStringLiteral("%1").arg(now.date.year, 4, 10, QChar(u'0')) +
                            text.mid(4, 6));
        // A date that does not exist (9999/02/29 in a common year) leaves the target at now.
        if (date) {
            result.date = *date;
        }
    }
    if (!isTargetWithinLifetime(birth, result)) {
        return {birth, true};
    }
    return {result, false};
}

engine::DateTime DefaultTargetDate(const SystemSettings& settings, const engine::DateTime& birth) {
    const QDateTime clock = platform::Prompts::now();
    const QDate day = clock.date();
    const QTime time = clock.time();
    const engine::DateTime now{{day.year(), day.month(), day.day()}, time.hour(), time.minute()};
    const TargetDateChoice choice = chooseDefaultTargetDate(settings, birth, now);
    if (choice.replacedByBirth) {
        platform::Prompts::beep();
        platform::Prompts::information(q(kTargetDateOutOfRangeMessage));
    }
    return choice.moment;
}

}  // namespace sorvik::settings
