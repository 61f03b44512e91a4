#pragma once

#include <QString>

#include "engine/calendar_table.h"
#include "engine/catalogue.h"
#include "engine/chart_request.h"
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
class WindowRequests;

// What the name list, the time list and the era-date entry work with. The lists ask the
// request service for charts; the time list and the era-date entry start from what is typed
// in the entry bar.
struct NameWindowServices {
    QString appDir;
    records::NameFileSession& names;
    EntBar& entryBar;
    WindowRequests& requests;
    const engine::CalendarTable& calendar;
    const engine::StarDisplayNames& starNames;
    const settings::SystemSettings& system;
    const settings::ZiWeiSettings& ziWei;
};

// The summary's settings as they stand now: star tables, 身主 rule and "一覧に表示".
records::SummaryContext summaryContext(const NameWindowServices& services);
// The headers over the live palace names.
records::Headers nameListHeaders(const NameWindowServices& services);
// The person of a stored row (name, sex, date, time) as a request takes it.
engine::BirthMoment personAt(const records::NameList& list, int row);

}  // namespace sorvik::ui
