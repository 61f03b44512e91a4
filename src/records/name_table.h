#pragma once

#include <array>
#include <optional>

#include <QString>

#include "records/name_list.h"

// The name list as a table the user reads: its column headers and widths, sorting and
// searching. The time list shares the headers and widths.
namespace sorvik::records {

using Headers = std::array<QString, NameList::kColumns>;

// The fixed headers, then for each palace of the live palace-name table (命宮 first) an empty
// header over its stem and branch and the palace's name over its stars.
Headers nameListHeaders(const std::array<QString, 12>& palaceNames);
// In pixels.
int nameListColumnWidth(int column);

// Sorts the persons by the column's text, with the system's locale-aware comparison that
// ignores case; descending is the ascending order reversed.
void SortByColumn(NameList& list, int column, bool descending);

enum class SearchMode { Exact, Partial };

// 検索 and 次 over one column. Positions are rows of the list; the search starts over after
// a miss.
class NameSearch {
  public:
    // 検索: exact mode compares without regard to case, and a text equal to the column's header
    // finds nothing; partial mode finds a cell containing the text.
    std::optional<int> find(const NameList& list, int column, const QString& text, SearchMode mode,
                            const QString& header);
    // 次: from the row after the last hit on; exact mode compares case and all.
    std::optional<int> next(const NameList& list, int column, const QString& text, SearchMode mode);

  private:
    std::optional<int> hit(std::optional<int> row);
    int from_ = 0;  // where 次 starts
};

inline constexpr auto kNotFoundFormat = u"[%1]は見つかりません。";

}  // namespace sorvik::records
