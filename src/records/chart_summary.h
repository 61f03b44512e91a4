#pragma once

#include <array>
#include <optional>

#include <QString>

#include "engine/calendar_table.h"
#include "engine/catalogue.h"
#include "engine/date.h"
#include "engine/placement_tables.h"
#include "engine/sex.h"
#include "records/name_list.h"

// The one-line chart summaries of the name list and the time list: columns 4..37 of a person.
namespace sorvik::records {

inline constexpr int kFirstSummaryColumn = NameList::kStoredColumns;
inline constexpr int kSummaryColumns = NameList::kColumns - kFirstSummaryColumn;
using Summary = std::array<QString, kSummaryColumns>;

// What a summary reads besides the person: the conversion, the star tables, the 身主 rule RG2
// and which stars the summary lists ("一覧に表示").
class SummaryContext {
  public:
    SummaryContext(const engine::CalendarTable& calendar, const engine::StarDisplayNames& names,
                   const engine::PlacementTables& tables, int bodyStarRule,
                   const std::array<bool, engine::kStarCount + 1>& shownInList);

    const engine::CalendarTable& calendar() const { return calendar_; }
    const engine::PlacementTables& tables() const { return tables_; }
    int bodyStarRule() const { return bodyStarRule_; }
    bool listed(int starNumber) const { return shown_[starNumber]; }
    // The display name, made once for every star.
    const QString& starName(int starNumber) const { return names_[starNumber]; }

  private:
    const engine::CalendarTable& calendar_;
    const engine::PlacementTables& tables_;
    int bodyStarRule_;
    std::array<bool, engine::kStarCount + 1> shown_;
    std::array<QString, engine::kStarCount + 1> names_;
};

// The stem of the palace at a branch in a year of the given stem: the 寅 palace starts the
// cycle, so 子 and 丑 take the two stems after 亥's.
engine::Stem palaceStem(engine::Stem yearStem, engine::Branch palace);

// The summary of a person born at the moment. Throws engine::CalendarError for
// a moment the table cannot convert (the caller checks the range).
Summary ComputeSummary(const SummaryContext& context, engine::Sex sex,
                       const engine::DateTime& moment);

// The birth moment of a row as the summary reads it: date, a blank and time; nothing when that
// is no date and time.
std::optional<engine::DateTime> rowMoment(const NameList& list, int row);
std::optional<engine::DateTime> rowMoment(const NameList::Row& row);

// The sex of a row's column 1; anything but 女 counts 男.
engine::Sex rowSex(const NameList& list, int row);
engine::Sex rowSex(const NameList::Row& row);

// 命盤ﾃﾞｰﾀ生成 over a list: rows with the time "99:99" and rows outside the calendar are
// skipped; a row whose date and time are no moment stops the run, the rows before it keeping
// their new summaries.
struct SummaryRun {
    int summarised = 0;
    std::optional<int> stoppedAt;  // the row that stopped the run
    QString message;               // why, for the user
};
SummaryRun summariseList(NameList& list, const SummaryContext& context);

// The message of a row (from 0) that stopped the run.
QString unreadableMomentMessage(const NameList& list, int row);
QString unreadableMomentMessage(const NameList::Row& cells, int row);

// Whether the run skips the row: its time unreadable ("99:99") when it was read.
bool skippedBySummary(const NameList::Row& row);

}  // namespace sorvik::records
