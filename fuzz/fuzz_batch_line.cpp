// A batch line from any bytes: it is answered with one line, a chart or its error, over the
// shipped tables.
#include <string>
#include <string_view>

#include "cli/batch.h"
#include "cli/chart_maker.h"
#include "cli/json_line_writer.h"
#include "records/calendar_file.h"

namespace {

struct Shipped {
    sorvik::engine::CalendarTable calendar =
        sorvik::records::LoadCalendar(QStringLiteral(SORVIK_DATA_DIR));
    sorvik::cli::ChartMaker maker{calendar, QStringLiteral(SORVIK_DATA_DIR),
                                  QStringLiteral("/nonexistent/registry.ini")};
    sorvik::cli::Batch batch{calendar, maker, {{2026, 12, 10}, 15, 0}};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Shipped shipped;
    std::string answer;
    sorvik::cli::JsonLineWriter out(answer);
    (void)shipped.batch.answerLine(std::string_view(reinterpret_cast<const char*>(data), size), 1,
                                   out);
    return 0;
}
