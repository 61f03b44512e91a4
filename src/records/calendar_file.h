#pragma once

#include <QString>

#include "engine/calendar_table.h"

namespace sorvik::records {

// The calendar table file of the program's folder.
inline constexpr const char* kCalendarFileName = "INREKI.DAT";

// Reads the calendar table from the folder (the file name found without regard to case).
// Throws platform::FileError when it cannot be read, platform::DamagedFileError naming the file
// and the record when it is no table the calendar editor would save.
engine::CalendarTable LoadCalendar(const QString& folder);

// Writes the table's lines as records, replacing the file atomically; returns the number of
// lines. Throws engine::ConversionError for a line that is not three integers (nothing is
// written then) and platform::FileError when the file cannot be written.
int SaveCalendar(const engine::CalendarTable& table, const QString& path);

}  // namespace sorvik::records
