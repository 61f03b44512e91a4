#pragma once

#include <QString>

#include "engine/calendar_table.h"
#include "engine/catalogue.h"
#include "records/chart_summary.h"
#include "records/name_table.h"

namespace sorvik::records {
class NameFileSession;
}
namespace sorvik::settings {
class SystemSettings;
class ZiWeiSettings;
}  // namespace sorvik::settings

namespace sorvik::ui {

class EntBar;

// What the name list, the time list and the era-date entry work with. The lists make their
// chart requests through the entry bar, as if its buttons were pressed.
struct NameWindowServices {
    QString appDir;
    records::NameFileSession& names;
    EntBar& entryBar;
    const engine::CalendarTable& calendar;
    const engine::StarDisplayNames& starNames;
    const settings::SystemSettings& system;
    const settings::ZiWeiSettings& ziWei;
};

// The summary's settings as they stand now: star tables, 身主 rule and "一覧に表示".
records::SummaryContext summaryContext(const NameWindowServices& services);
// The headers over the live palace names.
records::Headers nameListHeaders(const NameWindowServices& services);
// Fills the entry bar with a person's stored fields (name, sex, date, time).
void fillEntryBar(EntBar& bar, const records::NameList& list, int row);

}  // namespace sorvik::ui
