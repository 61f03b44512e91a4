#include "settings/zi_wei_settings.h"

#include <functional>
#include <limits>

#include <QFileInfo>
#include <stdexcept>
#include <variant>

#include "engine/errors.h"
#include "platform/comma_list.h"
#include "platform/errors.h"
#include "platform/file_names.h"
#include "platform/key_store.h"
#include "platform/sjis.h"
#include "platform/text_file.h"
#include "settings/cell_numbers.h"
#include "settings/gaiji.h"
#include "strength/double_stars.h"

namespace sorvik::settings {

namespace {

constexpr int kBadCell = std::numeric_limits<int>::min();
constexpr int kOutOfRange = kBadCell + 1;

struct NumberRow {
    const char* label;
    const char* value;  // default; the second header text on header rows
    int low;
    int high;
};

// SG0. Rows 7..31 take their labels from the pair table.
constexpr NumberRow kNumberRowsTable[kNumberRows] = {
    {"●三方四正の", "加算●(1～100%)", 0, 0},
    {"命　宮", "1", 1, 100},
    {"身　宮", "1", 1, 100},
    {"対　宮", "50", 1, 100},
    {"三合宮", "30", 1, 100},
    {"隣　宮", "1", 1, 100},
    {"●双星の力量", "●(-9～10)", 0, 0},
    {"", "10", -9, 10},
    {"", "10", -9, 10},
    {"", "8", -9, 10},
    {"", "8", -9, 10},
    {"", "6", -9, 10},
    {"", "6", -9, 10},
    {"", "-4", -9, 10},
    {"", "-4", -9, 10},
    {"", "5", -9, 10},
    {"", "5", -9, 10},
    {"", "5", -9, 10},
    {"", "5", -9, 10},
    {"", "5", -9, 10},
    {"", "3", -9, 10},
    {"", "3", -9, 10},
    {"", "-4", -9, 10},
    {"", "2", -9, 10},
    {"", "-1", -9, 10},
    {"", "1", -9, 10},
    {"", "1", -9, 10},
    {"", "1", -9, 10},
    {"", "1", -9, 10},
    {"", "1", -9, 10},
    {"", "-1", -9, 10},
    {"", "-1", -9, 10},
    {"●双星の加算", "●(1～100%)", 0, 0},
    {"同　宮", "30", 1, 100},
    {"加　会", "15", 1, 100},
    {"冲　照", "15", 1, 100},
    {"挟　照", "8", 1, 100},
    {"隣　宮", "8", 1, 100},
};
constexpr int kFirstPairRow = 7;
constexpr int kFirstRelationRow = 33;

constexpr const char* kDefaultSymbols = "　,☆,◎,○,□,△,●,★,";

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Registry lists have a comma appended before they are cut, so a last piece without one
// counts. So does a table line's: a hand-edited line that lost its final comma keeps its last
// value.
QStringList commaPieces(const QString& text, int count) {
    return platform::readCommaList(text, count, platform::LastPiece::Counts);
}

bool isSixBytes(const QString& name) {
    // A comma would split the stored list of names and shift every name after it.
    if (name.contains(u',')) {
        return false;
    }
    try {
        return platform::sjisByteLength(name) == 6;
    } catch (const platform::EncodingError&) {
        return false;  // no Shift-JIS code: cannot be a palace name
    }
}

std::size_t index(int row, int column) {
    return static_cast<std::size_t>(row * kTableColumns + column);
}

std::size_t cellIndex(int starNumber, engine::Branch branch) {
    return static_cast<std::size_t>(starNumber * engine::kBranchCount + engine::index(branch));
}

}  // namespace

ZiWeiSettings::ZiWeiSettings(QString dataFolder, platform::KeyStore& keys,
                             const engine::StarDisplayNames& names)
    : dataFolder_(std::move(dataFolder)),
      keys_(keys),
      powers_(static_cast<std::size_t>(kPowerRows * kTableColumns)),
      brightness_(static_cast<std::size_t>(kBrightnessRows * kTableColumns)),
      numbers_(kNumberRows) {
    for (int n = 1; n <= engine::kStarCount; ++n) {
        starNames_[static_cast<std::size_t>(n)] = QString::fromStdString(names[n]);
    }
    for (int row = 0; row < kNumberRows; ++row) {
        numbers_[static_cast<std::size_t>(row)] = QString::fromUtf8(kNumberRowsTable[row].value);
    }
    resetStored();
    palaceNameTable_ = userPalaceNames_;
    writeLabels();
    goodPowers_ = powers_;
    goodBrightness_ = brightness_;
}

void ZiWeiSettings::startUp() {
    load();
    ratios_ = luckRuleA(ratios_);
    copyPalaceNames();
}

void ZiWeiSettings::cancel() {
    load();
    copyPalaceNames();
}

void ZiWeiSettings::load() {
    try {
        readTables();
    } catch (const platform::FileError&) {
        powers_ = goodPowers_;
        brightness_ = goodBrightness_;
        readRegistry();
        invalidate();
        throw;
    }
    readRegistry();
    invalidate();
}

void ZiWeiSettings::readTables() {
    // Both files are read and checked before anything changes.
    const QString powerPath = powerFilePath();
    const QString brightnessPath = brightnessFilePath();
    const QStringList powerLines = platform::readSjisLines(powerPath);
    const QStringList brightnessLines = platform::readSjisLines(brightnessPath);
    checkTableLines(Grid::Powers, powerPath, powerLines);
    checkTableLines(Grid::Brightness, brightnessPath, brightnessLines);

    const auto fill = [](std::vector<QString>& cells, int rows, const QStringList& lines) {
        for (int row = 0; row < rows && row < lines.size(); ++row) {
            const QStringList pieces = commaPieces(lines[row], kTableColumns);
            for (int column = 0; column < kTableColumns; ++column) {
                cells[index(row, column)] = pieces[column];
            }
        }
    };
    fill(powers_, kPowerRows, powerLines);
    fill(brightness_, kBrightnessRows, brightnessLines);
    writeLabels();
    goodPowers_ = powers_;
    goodBrightness_ = brightness_;
}

void ZiWeiSettings::checkTableLines(Grid grid, const QString& path,
                                    const QStringList& lines) const {
    const QString file = u'『' + QFileInfo(path).fileName() + u'』';
    for (int row = 1; row < rowCount(grid); ++row) {
        const QString star = u'『' + starNames_[static_cast<std::size_t>(row)] + u'』';
        if (row >= lines.size()) {
            throw platform::DamagedFileError(file + QStringLiteral("に、") + star +
                                             QStringLiteral("の行がありません。"));
        }
        // A short line leaves its last cells empty; the dialog shows them and OK makes them "0".
        const QStringList pieces = commaPieces(lines[row], kTableColumns);
        for (int b = 0; b < 12; ++b) {
            const QString& text = pieces[b + 1];
            if (text.isEmpty()) {
                continue;
            }
            const QString where = file + QStringLiteral("の") + star +
                                  fromUtf8(engine::branchName(engine::branchAt(b)));
            const std::optional<int> value = parseCellInteger(text);
            if (!value) {
                throw platform::DamagedFileError(where + QStringLiteral("の値「") + text +
                                                 QStringLiteral("」は、数値ではありません。"));
            }
            if (grid == Grid::Brightness && (*value < 0 || *value >= kBrightnessCodes)) {
                throw platform::DamagedFileError(where + QStringLiteral("の値「") + text +
                                                 QStringLiteral("」は、範囲外の数値です。"));
            }
        }
    }
}

void ZiWeiSettings::writeLabels() {
    for (std::vector<QString>* cells : {&powers_, &brightness_}) {
        const int rows = static_cast<int>(cells->size()) / kTableColumns;
        (*cells)[0].clear();
        for (const engine::Branch b : engine::kBranches) {
            (*cells)[index(0, engine::index(b) + 1)] = fromUtf8(engine::branchName(b));
        }
        for (int row = 1; row < rows; ++row) {
            (*cells)[index(row, 0)] = starNames_[static_cast<std::size_t>(row)];
        }
    }
}

// The values of key USys as they are stored, before the rules that take them over.
struct StoredZiWeiValues {
    QStringList numbers;      // SG0: the value column, header rows included
    QStringList symbols;      // BSG
    int major = 0;            // TBar1
    int minor = 0;            // TBar2
    int year = 0;             // TBar3
    int tianMaRule = 0;       // RG1
    int bodyStarRule = 0;     // RG2
    QStringList firstNames;   // KyuSG0: palace names 0..5
    QStringList secondNames;  // KyuSG1: palace names 6..11
};

namespace {

using StoredValues = StoredZiWeiValues;

// One value of key USys: its name, where it goes, how many pieces a list has (0 for a
// number) and its default as stored. Reset, load and save all go by this table.
struct StoredKey {
    const char* name;
    std::variant<QStringList StoredValues::*, int StoredValues::*> value;
    int pieces;
    QString fallback;
};

const std::vector<StoredKey>& storedKeys() {
    static const std::vector<StoredKey> keys = [] {
        QString numbers;
        for (int row = 0; row < kNumberRows; ++row) {
            numbers += ZiWeiSettings::isNumberHeaderRow(row) ? "" : kNumberRowsTable[row].value;
            numbers += row + 1 < kNumberRows ? "," : "";
        }
        const QString noNames = QStringLiteral(",,,,,,,,");
        return std::vector<StoredKey>{
            {"SG0", &StoredValues::numbers, kNumberRows, numbers},
            {"BSG", &StoredValues::symbols, kBrightnessCodes, QString::fromUtf8(kDefaultSymbols)},
            {"TBar1", &StoredValues::major, 0, QStringLiteral("60")},
            {"TBar2", &StoredValues::minor, 0, QStringLiteral("30")},
            {"TBar3", &StoredValues::year, 0, QStringLiteral("10")},
            {"RG1", &StoredValues::tianMaRule, 0, QStringLiteral("0")},
            {"RG2", &StoredValues::bodyStarRule, 0, QStringLiteral("0")},
            {"KyuSG0", &StoredValues::firstNames, 6, noNames},
            {"KyuSG1", &StoredValues::secondNames, 6, noNames},
        };
    }();
    return keys;
}

// A missing value, or a number that is not one, reads as the default.
StoredValues readStored(const std::function<QString(const StoredKey&)>& text) {
    StoredValues values;
    for (const StoredKey& key : storedKeys()) {
        if (const auto* list = std::get_if<QStringList StoredValues::*>(&key.value)) {
            values.** list = commaPieces(text(key), key.pieces);
        } else {
            values.*std::get<int StoredValues::*>(key.value) =
                parseCellInteger(text(key)).value_or(key.fallback.toInt());
        }
    }
    return values;
}

}  // namespace

void ZiWeiSettings::resetStored() {
    takeOver(readStored([](const StoredKey& key) { return key.fallback; }));
}

void ZiWeiSettings::readRegistry() {
    takeOver(readStored([this](const StoredKey& key) {
        return keys_.readText(kRegistryKey, key.name, key.fallback);
    }));
}

void ZiWeiSettings::takeOver(const StoredZiWeiValues& stored) {
    for (int row = 0; row < kNumberRows; ++row) {
        if (!stored.numbers[row].isEmpty() && !isNumberHeaderRow(row)) {
            numbers_[static_cast<std::size_t>(row)] = stored.numbers[row];
        }
    }
    for (int code = 0; code < kBrightnessCodes; ++code) {
        symbols_[static_cast<std::size_t>(code)] = stored.symbols[code];
    }

    // The bars start where they stand and move one after another, each running its rule.
    ratios_ = moveMajorBar(ratios_, stored.major);
    ratios_ = moveMinorBar(ratios_, stored.minor);
    ratios_ = moveYearBar(ratios_, stored.year);

    // A rule number no item stands for falls back to the first item.
    tianMaRule_ = stored.tianMaRule >= 0 && stored.tianMaRule <= 2 ? stored.tianMaRule : 0;
    bodyStarRule_ = stored.bodyStarRule >= 0 && stored.bodyStarRule <= 1 ? stored.bodyStarRule : 0;

    for (int i = 0; i < 6; ++i) {
        userPalaceNames_[static_cast<std::size_t>(i)] = stored.firstNames[i];
        userPalaceNames_[static_cast<std::size_t>(i + 6)] = stored.secondNames[i];
    }
    for (int i = 0; i < kPalaceNames; ++i) {
        QString& name = userPalaceNames_[static_cast<std::size_t>(i)];
        if (!isSixBytes(name)) {
            name = fromUtf8(engine::defaultPalaceName(i));
        }
    }
}

void ZiWeiSettings::writeRegistry() {
    StoredValues values;
    for (int row = 0; row < kNumberRows; ++row) {
        values.numbers.append(cell(Grid::Numbers, row, 1));
    }
    values.symbols = QStringList(symbols_.begin(), symbols_.end());
    values.major = ratios_.major;
    values.minor = ratios_.minor;
    values.year = ratios_.year;
    values.tianMaRule = tianMaRule_;
    values.bodyStarRule = bodyStarRule_;
    values.firstNames = QStringList(userPalaceNames_.begin(), userPalaceNames_.begin() + 6);
    values.secondNames = QStringList(userPalaceNames_.begin() + 6, userPalaceNames_.end());
    for (const StoredKey& key : storedKeys()) {
        const QString text =
            std::holds_alternative<QStringList StoredValues::*>(key.value)
                ? platform::joinCommaList(values.*std::get<QStringList StoredValues::*>(key.value))
                : QString::number(values.*std::get<int StoredValues::*>(key.value));
        keys_.writeText(kRegistryKey, key.name, text);
    }
    keys_.sync();
}

void ZiWeiSettings::copyPalaceNames() {
    for (int i = 0; i < kPalaceNames; ++i) {
        const QString& name = userPalaceNames_[static_cast<std::size_t>(i)];
        QString live;
        try {
            live = platform::sjisBytePrefix(name, 6);
        } catch (const platform::EncodingError&) {
            live = fromUtf8(engine::defaultPalaceName(i));  // refused by OK, dropped by load
        }
        palaceNameTable_[static_cast<std::size_t>(i)] = live;
    }
}

QString ZiWeiSettings::palaceNameAt(engine::Branch branch, engine::Branch life) const {
    return palaceNameTable_[static_cast<std::size_t>(life - branch)];
}

std::optional<ValidationFailure> ZiWeiSettings::validate() {
    for (int i = 0; i < 6; ++i) {
        const QString& upper = userPalaceNames_[static_cast<std::size_t>(i)];
        const QString& lower = userPalaceNames_[static_cast<std::size_t>(i + 6)];
        if (!isSixBytes(lower) || !isSixBytes(upper)) {
            const int at = isSixBytes(lower) ? i : i + 6;
            const QString& name = userPalaceNames_[static_cast<std::size_t>(at)];
            return ValidationFailure{ValidationFailure::Where::PalaceNames, at, 0,
                                     QStringLiteral("宮の名称「") + name +
                                         QStringLiteral("」は、全角３文字で指定してください。")};
        }
    }

    const auto check = [this](Grid grid, int row, int column, int low,
                              int high) -> std::optional<ValidationFailure> {
        const auto where = grid == Grid::Powers       ? ValidationFailure::Where::Powers
                           : grid == Grid::Brightness ? ValidationFailure::Where::Brightness
                                                      : ValidationFailure::Where::Numbers;
        if (cell(grid, row, column).isEmpty()) {
            setCell(grid, row, column, QStringLiteral("0"));
        }
        const QString text = cell(grid, row, column);
        const std::optional<int> value = parseCellInteger(text);
        if (!value) {
            return ValidationFailure{where, row, column,
                                     u'「' + text + QStringLiteral("」は、数値ではありません。")};
        }
        if (*value < low || *value > high) {
            return ValidationFailure{where, row, column,
                                     u'「' + text + QStringLiteral("」は、範囲外の数値です。")};
        }
        return std::nullopt;
    };
    for (int row = 1; row < kPowerRows; ++row) {
        for (int column = 1; column < kTableColumns; ++column) {
            if (auto failure = check(Grid::Powers, row, column, -9, 10)) {
                return failure;
            }
        }
    }
    for (int row = 1; row < kBrightnessRows; ++row) {
        for (int column = 1; column < kTableColumns; ++column) {
            if (auto failure = check(Grid::Brightness, row, column, 0, 7)) {
                return failure;
            }
        }
    }
    for (int row = 1; row < kNumberRows; ++row) {
        if (isNumberHeaderRow(row)) {
            continue;
        }
        const NumberRow& range = kNumberRowsTable[row];
        if (auto failure = check(Grid::Numbers, row, 1, range.low, range.high)) {
            return failure;
        }
    }
    return std::nullopt;
}

std::optional<ValidationFailure> ZiWeiSettings::accept() {
    if (auto failure = validate()) {
        return failure;
    }
    save();
    copyPalaceNames();
    return std::nullopt;
}

QStringList ZiWeiSettings::tableLines(Grid grid) const {
    QStringList lines;
    for (int row = 0; row < rowCount(grid); ++row) {
        QStringList cells;
        for (int column = 0; column < kTableColumns; ++column) {
            const QString text = cell(grid, row, column);
            cells.append(column == 0 && row > 0 ? storableStarName(text, row) : text);
        }
        lines.append(platform::joinCommaList(cells));
    }
    return lines;
}

void ZiWeiSettings::save() {
    platform::writeSjisLines(powerFilePath(), tableLines(Grid::Powers));
    platform::writeSjisLines(brightnessFilePath(), tableLines(Grid::Brightness));
    goodPowers_ = powers_;
    goodBrightness_ = brightness_;

    writeRegistry();
}

std::vector<QString>& ZiWeiSettings::table(Grid grid) {
    return grid == Grid::Powers ? powers_ : grid == Grid::Brightness ? brightness_ : numbers_;
}

const std::vector<QString>& ZiWeiSettings::table(Grid grid) const {
    return grid == Grid::Powers ? powers_ : grid == Grid::Brightness ? brightness_ : numbers_;
}

int ZiWeiSettings::rowCount(Grid grid) const {
    return grid == Grid::Powers       ? kPowerRows
           : grid == Grid::Brightness ? kBrightnessRows
                                      : kNumberRows;
}

int ZiWeiSettings::columnCount(Grid grid) const {
    return grid == Grid::Numbers ? 2 : kTableColumns;
}

QString ZiWeiSettings::cell(Grid grid, int row, int column) const {
    if (row < 0 || row >= rowCount(grid) || column < 0 || column >= columnCount(grid)) {
        throw std::out_of_range("settings cell");
    }
    if (grid != Grid::Numbers) {
        return table(grid)[index(row, column)];
    }
    if (column == 0) {
        if (row >= kFirstPairRow && row < kFirstPairRow + strength::kDoubleStarPairCount) {
            const auto& pair =
                strength::kDoubleStarPairs[static_cast<std::size_t>(row - kFirstPairRow)];
            return starNames_[static_cast<std::size_t>(pair.first)] + u'・' +
                   starNames_[static_cast<std::size_t>(pair.second)];
        }
        return QString::fromUtf8(kNumberRowsTable[row].label);
    }
    if (isNumberHeaderRow(row)) {
        return QString::fromUtf8(kNumberRowsTable[row].value);
    }
    return numbers_[static_cast<std::size_t>(row)];
}

void ZiWeiSettings::setCell(Grid grid, int row, int column, const QString& text) {
    if (row < 1 || row >= rowCount(grid) || column < 1 || column >= columnCount(grid) ||
        (grid == Grid::Numbers && isNumberHeaderRow(row))) {
        throw std::out_of_range("settings cell");
    }
    if (grid == Grid::Numbers) {
        numbers_[static_cast<std::size_t>(row)] = text;
    } else {
        table(grid)[index(row, column)] = text;
    }
    invalidate();
}

void ZiWeiSettings::setBrightnessSymbol(int code, const QString& symbol) {
    // The symbols are stored as one comma list: a comma inside one would shift the others.
    symbols_.at(static_cast<std::size_t>(code)) = QString(symbol).remove(u',');
}

void ZiWeiSettings::setTianMaRule(int rule) {
    if (rule < 0 || rule > 2) {
        throw std::out_of_range("tian ma rule");
    }
    tianMaRule_ = rule;
}

void ZiWeiSettings::setBodyStarRule(int rule) {
    if (rule < 0 || rule > 1) {
        throw std::out_of_range("body star rule");
    }
    bodyStarRule_ = rule;
}

void ZiWeiSettings::setUserPalaceName(int index, const QString& name) {
    userPalaceNames_.at(static_cast<std::size_t>(index)) = name;
}

void ZiWeiSettings::convert() const {
    for (int star = 1; star < kPowerRows; ++star) {
        for (const engine::Branch b : engine::kBranches) {
            converted_.powers[cellIndex(star, b)] =
                parseCellInteger(powers_[index(star, engine::index(b) + 1)]).value_or(kBadCell);
        }
    }
    for (int star = 1; star < kBrightnessRows; ++star) {
        for (const engine::Branch b : engine::kBranches) {
            const QString& text = brightness_[index(star, engine::index(b) + 1)];
            int code = 0;
            if (!text.isEmpty()) {
                code = parseCellInteger(text).value_or(kBadCell);
                // A code without a symbol would be shown from outside the symbol list.
                if (code != kBadCell && (code < 0 || code >= kBrightnessCodes)) {
                    code = kOutOfRange;
                }
            }
            converted_.brightness[cellIndex(star, b)] = code;
        }
    }

    converted_.badWeightRow = 0;
    std::int64_t* weights[] = {&converted_.weights.life, &converted_.weights.body,
                               &converted_.weights.opposite, &converted_.weights.trine,
                               &converted_.weights.neighbour};
    for (int row = 1; row <= 5; ++row) {
        const auto value = parseCellTenThousandths(numbers_[static_cast<std::size_t>(row)]);
        *weights[row - 1] = value.value_or(0);
        if (!value && converted_.badWeightRow == 0) {
            converted_.badWeightRow = row;
        }
    }
    converted_.badNumberRow = 0;
    for (int row = kFirstPairRow; row < kNumberRows; ++row) {
        if (isNumberHeaderRow(row)) {
            continue;
        }
        const auto value = parseCellInteger(numbers_[static_cast<std::size_t>(row)]);
        if (!value && converted_.badNumberRow == 0) {
            converted_.badNumberRow = row;
        }
        if (row < kFirstRelationRow) {
            converted_.numbers.pairPowers[static_cast<std::size_t>(row - kFirstPairRow)] =
                value.value_or(0);
        } else {
            converted_.numbers.relationWeights[static_cast<std::size_t>(row - kFirstRelationRow)] =
                value.value_or(0);
        }
    }
    convertedValid_ = true;
}

void ZiWeiSettings::throwCellError(Grid grid, int row, int column, bool outOfRange) const {
    const QString text = cell(grid, row, column);
    QString where;
    if (grid == Grid::Numbers) {
        where = QStringLiteral("数値設定の『") + cell(grid, row, 0) + u'』';
    } else {
        where = (grid == Grid::Powers ? QStringLiteral("諸星力量の『")
                                      : QStringLiteral("廟旺利陥の『")) +
                starNames_[static_cast<std::size_t>(row)] + u'』' +
                fromUtf8(engine::branchName(engine::branchAt(column - 1)));
    }
    const QString message = where + QStringLiteral("の値「") + text +
                            (outOfRange ? QStringLiteral("」は、範囲外の数値です。")
                                        : QStringLiteral("」は、数値ではありません。"));
    throw engine::ConversionError(message.toStdString());
}

int ZiWeiSettings::power(int starNumber, engine::Branch branch) const {
    if (starNumber < 1 || starNumber >= kPowerRows) {
        throw std::out_of_range("power cell");
    }
    const int value = converted().powers[cellIndex(starNumber, branch)];
    if (value == kBadCell) {
        throwCellError(Grid::Powers, starNumber, engine::index(branch) + 1, false);
    }
    return value;
}

int ZiWeiSettings::brightness(int starNumber, engine::Branch branch) const {
    if (starNumber < 1 || starNumber > engine::kStarCount) {
        throw std::out_of_range("brightness cell");
    }
    if (starNumber >= kBrightnessRows) {
        return 0;  // the yearly stars have no brightness
    }
    const int value = converted().brightness[cellIndex(starNumber, branch)];
    if (value == kBadCell || value == kOutOfRange) {
        throwCellError(Grid::Brightness, starNumber, engine::index(branch) + 1,
                       value == kOutOfRange);
    }
    return value;
}

const strength::PalaceWeights& ZiWeiSettings::palaceWeights() const {
    const Converted& c = converted();
    if (c.badWeightRow != 0) {
        throwCellError(Grid::Numbers, c.badWeightRow, 1, false);
    }
    return c.weights;
}

const strength::DoubleStarNumbers& ZiWeiSettings::doubleStarNumbers() const {
    const Converted& c = converted();
    if (c.badNumberRow != 0) {
        throwCellError(Grid::Numbers, c.badNumberRow, 1, false);
    }
    return c.numbers;
}

QString ZiWeiSettings::powerFilePath() const {
    return platform::findFileIgnoringCase(dataFolder_, kPowerFileName);
}

QString ZiWeiSettings::brightnessFilePath() const {
    return platform::findFileIgnoringCase(dataFolder_, kBrightnessFileName);
}

}  // namespace sorvik::settings
