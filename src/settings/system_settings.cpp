#include "system_settings.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <type_traits>
#include <variant>
#include <vector>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/comma_list.h"
#include "platform/errors.h"
#include "platform/file_names.h"
#include "platform/key_store.h"
#include "platform/profile_file.h"
#include "platform/program_key.h"
#include "platform/text_file.h"
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
// By role, the key of each font in the key store and the face it has until one is chosen.
struct FontKey {
    const char16_t* key;
    const char16_t* defaultFace;
};
constexpr FontKey kFontKeys[kFontCount] = {{u"MeiFont", u"ＭＳ Ｐ明朝"},
                                           {u"SetuFont", u"ＭＳ Ｐ明朝"},
                                           {u"MeiPFont", u"ＭＳ Ｐ明朝"},
                                           {u"SysFont", u"ＭＳ Ｐゴシック"}};

constexpr const char* kDefaultPanels[4] = {"16776960", "65280", "65535", "16777215"};
constexpr const char* kDefaultSCB[5] = {"0", "0", "1", "1", "1"};

const QString kDefaultInfoRow =
    QStringLiteral(",表示無し,表示無し,表示無し,表示無し,表示無し,表示無し");
const QString kDefaultStarRow = QStringLiteral(",,,表示する,表示する,表示しない,");

QString q(const char16_t* text) {
    return QString::fromUtf16(text);
}

std::optional<int> toInt(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// Values as the settings file holds them: booleans "1" or "0", numbers in decimal, table
// rows with a comma after every cell.
QString encode(const QString* value) {
    return *value;
}
QString encode(const int* value) {
    return QString::number(*value);
}
QString encode(const bool* value) {
    return *value ? QStringLiteral("1") : QStringLiteral("0");
}
QString encode(const std::uint32_t* value) {
    return QString::number(*value);
}
QString encode(std::span<const QString> cells) {
    return platform::joinCommaList(QStringList(cells.begin(), cells.end()));
}

// The defaults back from that text. Reading a table row drops a last piece that no comma
// follows.
void decode(const QString& text, QString* value) {
    *value = text;
}
void decode(const QString& text, int* value) {
    *value = text.toInt();
}
void decode(const QString& text, bool* value) {
    *value = text.toInt() != 0;
}
void decode(const QString& text, std::uint32_t* value) {
    *value = text.toUInt();
}
void decode(const QString& text, std::span<QString> cells) {
    const QStringList pieces = platform::readCommaList(text, static_cast<qsizetype>(cells.size()),
                                                       platform::LastPiece::Dropped);
    std::copy(pieces.begin(), pieces.end(), cells.begin());
}

// One key of section Sys. Self is SystemSettings or const SystemSettings, for the store that
// is loaded or saved.
template <typename Self>
struct SettingKey {
    template <typename T>
    using Ptr = std::conditional_t<std::is_const_v<Self>, const T, T>*;
    using Cells = std::span<std::conditional_t<std::is_const_v<Self>, const QString, QString>>;

    QString name;
    std::variant<Ptr<QString>, Ptr<int>, Ptr<bool>, Ptr<std::uint32_t>, Cells> value;
    // Nothing: a missing key keeps the value, and the reset leaves it alone.
    std::optional<QString> fallback;
    bool readBack = true;
    int starRow = 0;  // a row of the star display table: its star number
};

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
    return q(kFontKeys[role].key);
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
    for (int i = 0; i < kFontCount; ++i) {
        fonts_[i].name = q(kFontKeys[i].defaultFace);
    }
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

QString SystemSettings::defaultOutputFolder() {
    return QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

template <typename Self>
auto SystemSettings::keyTable(Self& s) {
    using Key = SettingKey<Self>;
    const auto text = [](const char* latin1) { return QString::fromLatin1(latin1); };
    std::vector<Key> keys = {
        {text("MeiExeName"), &s.meiExeName_, text("notepad.exe")},
        {text("MeiExeHTML"), &s.meiExeHtml_, text("Iexplore.exe")},
        {text("MeiFolder"), &s.meiFolder_, defaultOutputFolder()},
        // The name of the file itself: written, never read back.
        {text("DefSysFile"), &s.settingsFileName_, std::nullopt, false},
        {text("MeiFont"), &s.fonts_[kChartFont].name, std::nullopt},
        {text("BCBM"), &s.verticalMargin_, text("3")},
        {text("BanYCount"), &s.banYCount_, text("1")},
        {text("BanXCount"), &s.banXCount_, text("1")},
    };
    for (int n = 1; n <= 5; ++n) {
        keys.push_back({QStringLiteral("SCB%1").arg(n), &s.scb_[n - 1], text(kDefaultSCB[n - 1])});
    }
    keys.push_back({text("NetCB"), &s.netCB_, text("1")});
    for (int i = 0; i < 4; ++i) {
        keys.push_back({QStringLiteral("CPnl%1").arg(i), &s.panels_[i], text(kDefaultPanels[i])});
    }
    for (int r = 0; r < kInfoTableRows; ++r) {
        keys.push_back({QStringLiteral("KCSG%1").arg(r),
                        typename Key::Cells(&s.info_[r * kInfoTableColumns], kInfoTableColumns),
                        kDefaultInfoRow});
    }
    for (int r = 0; r < kStarDisplayRows; ++r) {
        keys.push_back(
            {QStringLiteral("SG1%1").arg(r),
             typename Key::Cells(&s.stars_[r * kStarDisplayColumns], kStarDisplayColumns),
             kDefaultStarRow, true, r});
    }
    keys.push_back({text("PCG"), &s.pcg_, text("15")});
    keys.push_back({text("NRG"), &s.nrg_, text("0")});
    keys.push_back({text("DateE"), &s.dateE_, text("9999/07/01")});
    return keys;
}

void SystemSettings::resetToDefaults() {
    for (const auto& key : keyTable(*this)) {
        if (key.fallback) {
            std::visit([&](auto slot) { decode(*key.fallback, slot); }, key.value);
        }
    }
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
    parseCells();
}

void SystemSettings::parseCells() {
    for (int i = 0; i < kInfoTableRows * kInfoTableColumns; ++i) {
        infoItems_[i] = infoItemNamed(info_[i]);
    }
    for (int r = 0; r < kStarDisplayRows; ++r) {
        for (int c = 0; c < kStarDisplayColumns; ++c) {
            parseStarCell(r, c);
        }
    }
}

void SystemSettings::parseStarCell(int row, int column) {
    const QString& text = stars_[row * kStarDisplayColumns + column];
    if (column == kColourColumn) {
        bool ok = false;
        const uint value = text.toUInt(&ok);
        starColours_[row] = ok ? std::optional<QColor>(colourFromWindows(value)) : std::nullopt;
    } else if (column >= kShowInChartColumn) {
        // Only 表示する shows; an empty or unknown cell does not.
        starShown_[row][column - kShowInChartColumn] = text == q(kShown);
    }
}

void SystemSettings::LoadSettings() {
    loadFrom(settingsFilePath());
}

void SystemSettings::loadShippedDefaults() {
    loadFrom(QStringLiteral(":/shipped/Default.ini"));
}

void SystemSettings::loadFrom(const QString& path) {
    fellBack_ = false;
    loadWarning_.clear();
    const QString fileName = QFileInfo(path).fileName();
    const auto fallBack = [&](const QString& reason) {
        resetToDefaults();
        writeTitles();
        fellBack_ = true;
        loadWarning_ = reason + QStringLiteral("\nｼｽﾃﾑ設定は、既定の設定を使います。");
    };
    std::optional<platform::ProfileFile> read;
    try {
        read.emplace(QFileInfo(path).isFile() ? path : QString());
    } catch (const platform::FileError& error) {
        fallBack(error.message());
        return;
    }
    const platform::ProfileFile& file = *read;
    if (file.existedOnLoad() && !file.hasSection(kSection)) {
        fallBack(QStringLiteral("ｼｽﾃﾑ設定ﾌｧｲﾙ『%1』には、ｼｽﾃﾑ設定がありません。").arg(fileName));
        return;
    }
    // Keys a whole file lacks take their defaults; a file cut short may have lost any of them.
    if (file.endedWithinALine()) {
        fallBack(QStringLiteral("ｼｽﾃﾑ設定ﾌｧｲﾙ『%1』は、途中で切れています。").arg(fileName));
        return;
    }
    if (!file.unreadableLines().isEmpty()) {
        loadWarning_ = platform::unreadableBytesMessage(fileName, file.unreadableLines());
    }
    resetToDefaults();
    // A missing key, or a number that is not one, keeps the value the reset gave.
    for (const auto& key : keyTable(*this)) {
        if (key.readBack) {
            std::visit(
                [&](auto slot) {
                    if constexpr (std::is_same_v<decltype(slot), QString*>) {
                        *slot = file.readString(kSection, key.name, *slot);
                    } else if constexpr (std::is_same_v<decltype(slot), std::span<QString>>) {
                        decode(file.readString(kSection, key.name,
                                               key.fallback.value_or(encode(slot))),
                               slot);
                    } else {
                        *slot = static_cast<std::remove_pointer_t<decltype(slot)>>(
                            file.readInteger(kSection, key.name, static_cast<int>(*slot)));
                    }
                },
                key.value);
        }
    }
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
    for (const auto& key : keyTable(*this)) {
        QString text;
        if (key.starRow > 0) {
            // The name cell as the file can hold it.
            const auto cells = std::get<std::span<const QString>>(key.value);
            QStringList row(cells.begin(), cells.end());
            row[0] = storableStarName(row[0], key.starRow);
            text = platform::joinCommaList(row);
        } else {
            text = std::visit([](auto slot) { return encode(slot); }, key.value);
        }
        file.writeString(kSection, key.name, text);
    }
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
        const QString key = platform::programKey(q(kFontKeys[i].key));
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
        const QString key = platform::programKey(q(kFontKeys[i].key));
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
    infoItems_[row * kInfoTableColumns + column] = infoItemNamed(text);
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
    parseStarCell(row, column);
}

void SystemSettings::setStarColour(int starNumber, std::uint32_t value) {
    setSG1(starNumber, kColourColumn, QString::number(value));
    setSG1(starNumber, kColourShownColumn, QString::number(value));
}

void SystemSettings::setShowsStar(int starNumber, StarView view, bool shown) {
    setSG1(starNumber, static_cast<int>(view), q(shown ? kShown : kNotShown));
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

}  // namespace sorvik::settings
