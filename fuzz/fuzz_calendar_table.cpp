// The calendar table from any bytes: it loads or is refused with a FileError, and a table that
// loads answers a range check for every day it claims.
#include <QTemporaryDir>

#include "fuzz_input.h"
#include "platform/errors.h"
#include "records/calendar_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    sorvik::fuzz::writeInput(dir.filePath(QString::fromLatin1(sorvik::records::kCalendarFileName)),
                             data, size);
    try {
        const sorvik::engine::CalendarTable table = sorvik::records::LoadCalendar(dir.path());
        (void)table.CheckCalendarRange(sorvik::engine::Date{2000, 1, 1});
        (void)table.CheckCalendarRange(sorvik::engine::Date{1900, 2, 28});
    } catch (const sorvik::platform::FileError&) {
    }
    return 0;
}
