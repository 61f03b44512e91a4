#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

#include "engine/calendar_table.h"
#include "engine/chart_request.h"

namespace sorvik::cli {

enum class ExportKind { Text, Html, Pdf };

// The bytes the chart window's export writes for the chart of a birth: the settings file and
// the texts of the data folder, the Zi Wei settings and the special character of the key
// store. Without a target the window's default target date is taken (now: `now`). Throws
// sorvik::Error (engine, file) like the window would show it.
QByteArray exportChart(ExportKind kind, const engine::CalendarTable& calendar,
                       const QString& dataDir, const QString& keyStorePath,
                       const engine::BirthMoment& person,
                       const std::optional<engine::DateTime>& target, const engine::DateTime& now);

}  // namespace sorvik::cli
