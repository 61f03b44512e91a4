#include "combinations.h"

#include <QFileInfo>
#include <stdexcept>

#include "engine/catalogue.h"
#include "platform/text_file.h"
#include "text_files.h"

namespace sorvik::texts {

namespace {

// A field of three characters: leading spaces, then digits only.
std::optional<int> parseField(QStringView field) {
    qsizetype i = 0;
    while (i < field.size() && field.at(i) == u' ') {
        ++i;
    }
    if (i == field.size()) {
        return std::nullopt;
    }
    int value = 0;
    for (; i < field.size(); ++i) {
        const QChar c = field.at(i);
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

bool inRange(int value, int first, int last) {
    return value >= first && value <= last;
}

}  // namespace

QString formatCombinationRecord(const CombinationRecord& r) {
    const bool starBValid =
        r.starB == kNoStarB || inRange(r.starB, r.starA + 1, engine::kStarCount);
    if (!inRange(r.star1, 1, engine::kStarCount - 1) || !inRange(r.starA, 1, engine::kStarCount) ||
        !starBValid || !inRange(static_cast<int>(r.kind), 0, 1)) {
        throw std::invalid_argument("combination record key out of range");
    }
    return QStringLiteral("%1%2%3%4")
               .arg(r.star1, 3)
               .arg(r.starA, 3)
               .arg(r.starB, 3)
               .arg(static_cast<int>(r.kind)) +
           r.text;
}

std::optional<CombinationRecord> parseCombinationRecord(const QString& line) {
    if (line.size() < kKeyLength) {
        return std::nullopt;
    }
    const QStringView view(line);
    const auto star1 = parseField(view.mid(0, 3));
    const auto starA = parseField(view.mid(3, 3));
    const auto starB = parseField(view.mid(6, 3));
    const QChar kind = line.at(9);
    if (!star1 || !starA || !starB || (kind != u'0' && kind != u'1')) {
        return std::nullopt;
    }
    return CombinationRecord{
        *star1, *starA, *starB,
        kind == u'1' ? CombinationKind::SameOrTrine : CombinationKind::SamePalace,
        line.mid(kKeyLength)};
}

std::optional<int> CombinationFile::indexOfKey(const CombinationRecord& record) const {
    const QString line = formatCombinationRecord(record);
    const QStringView key = QStringView(line).left(kKeyLength);
    for (int i = 0; i < recordCount(); ++i) {
        if (QStringView(records.at(i)).left(kKeyLength) == key) {
            return i;
        }
    }
    return std::nullopt;
}

void CombinationFile::addOrReplace(const CombinationRecord& record) {
    const QString line = formatCombinationRecord(record);
    const QStringView key = QStringView(line).left(kKeyLength);
    for (QString& stored : records) {
        if (QStringView(stored).left(kKeyLength) == key) {
            stored = line;
            return;
        }
    }
    records.append(line);
}

CombinationFile combinationFileFromLines(const QStringList& lines) {
    if (lines.isEmpty()) {
        return {};
    }
    return {lines.first(), lines.mid(1)};
}

QStringList combinationFileLines(const CombinationFile& file) {
    return QStringList{file.heading} + file.records;
}

CombinationFile readCombinationFile(const QString& folder, int number,
                                    QList<int>* unreadableLines) {
    const QString path = textFilePath(folder, combinationFileName(number));
    if (!QFileInfo::exists(path)) {
        return {};
    }
    return combinationFileFromLines(platform::readSjisLines(path, unreadableLines));
}

void writeCombinationFile(const QString& folder, int number, const CombinationFile& file) {
    platform::writeSjisLines(textFilePath(folder, combinationFileName(number)),
                             combinationFileLines(file));
}

std::optional<CombinationRecord> findCombination(const QStringList& records, int a, int b,
                                                 CombinationKind wantedKind) {
    if (a == 0 || b == 0) {
        return std::nullopt;
    }
    for (const QString& line : records) {
        const auto r = parseCombinationRecord(line);
        if (!r || r->star1 != a) {
            continue;
        }
        const bool partner = r->starA == b || (r->starB == b && r->starB > r->starA);
        if (partner && (r->kind == wantedKind || wantedKind == CombinationKind::SamePalace)) {
            return r;
        }
    }
    return std::nullopt;
}

QString patternHeading(const QString& patternName) {
    return QStringLiteral("【 ") + patternName + QStringLiteral(" 】");
}

QString starInPalaceHeading(const QString& starTitle, const QString& palaceName) {
    return QStringLiteral("【") + starTitle + QStringLiteral(" が、") + palaceName +
           QStringLiteral("にある時】");
}

QString kindText(CombinationKind kind) {
    return kind == CombinationKind::SameOrTrine ? QStringLiteral("同宮加会した時")
                                                : QStringLiteral("同宮した時");
}

QString combinationHeading(const QString& palaceName, const QString& titleA, const QString& titleB,
                           CombinationKind kind) {
    return QStringLiteral("<<") + palaceName + QStringLiteral(" で、") + titleA +
           QStringLiteral("と") + titleB + QStringLiteral("が、") + kindText(kind) +
           QStringLiteral(">>");
}

}  // namespace sorvik::texts
