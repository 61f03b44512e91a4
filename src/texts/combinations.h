#pragma once

#include <optional>

#include <QString>
#include <QStringList>

// Combination records of DSETUF<n>.DAT: line 0 is a heading, every further line one record
// whose first ten characters are star １, star Ａ, star Ｂ ("%3d" each) and the kind digit.
namespace sorvik::texts {

inline constexpr int kNoStarB = 1;  // stored as "  1": never greater than star Ａ, so never a match
inline constexpr int kKeyLength = 10;

// The kind digit of a record.
enum class CombinationKind {
    SamePalace = 0,   // 同宮した時
    SameOrTrine = 1,  // 同宮加会した時
};

struct CombinationRecord {
    int star1 = 0;  // 1..128
    int starA = 0;  // 1..129
    int starB = kNoStarB;
    CombinationKind kind = CombinationKind::SamePalace;
    QString text;  // encoded

    bool operator==(const CombinationRecord&) const = default;
};

// Throws std::invalid_argument for a star number or kind the layout cannot hold.
QString formatCombinationRecord(const CombinationRecord& record);

// Nothing for a line whose first ten characters are not of the record form; such a line is
// kept in the file as it is but never matches.
std::optional<CombinationRecord> parseCombinationRecord(const QString& line);

struct CombinationFile {
    QString heading;
    QStringList records;  // the stored lines after the heading, in file order

    int recordCount() const { return static_cast<int>(records.size()); }
    // The index in records of the first record with the same ten leading characters.
    std::optional<int> indexOfKey(const CombinationRecord& record) const;
    // A record with the same ten leading characters is replaced in place, else appended.
    void addOrReplace(const CombinationRecord& record);
};

// A file that does not exist reads as an empty one.
CombinationFile readCombinationFile(const QString& folder, int number,
                                    QList<int>* unreadableLines = nullptr);
void writeCombinationFile(const QString& folder, int number, const CombinationFile& file);

CombinationFile combinationFileFromLines(const QStringList& lines);
QStringList combinationFileLines(const CombinationFile& file);

// The record for star a with partner b, wanted kind w: the first in file order whose star １
// is a, whose star Ａ is b or whose star Ｂ is b and greater than star Ａ, and whose kind is w
// (a same-palace partner also takes records of the other kind). Nothing when a or b is 0.
std::optional<CombinationRecord> findCombination(const QStringList& records, int a, int b,
                                                 CombinationKind wantedKind);

// "同宮した時" or "同宮加会した時".
QString kindText(CombinationKind kind);

// Headings of the description texts.
QString patternHeading(const QString& patternName);  // "【 " name " 】"
QString starInPalaceHeading(const QString& starTitle, const QString& palaceName);
QString combinationHeading(const QString& palaceName, const QString& titleA, const QString& titleB,
                           CombinationKind kind);

}  // namespace sorvik::texts
