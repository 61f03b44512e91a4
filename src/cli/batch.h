#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "cli/chart_arguments.h"
#include "cli/chart_maker.h"
#include "cli/json_line_writer.h"

namespace sorvik::cli {

// One input line read: the chart to make, or why there is none.
using BatchItem = std::variant<ChartRequest, std::string>;

// The charts of JSON Lines: one object per line with the keys name, sex, date, time and
// optionally target, as `chart` takes them; one line of compact JSON out per line in.
class Batch {
  public:
    // `now` stands in for every missing target, so that one run shares one present moment.
    Batch(const engine::CalendarTable& calendar, const ChartMaker& maker,
          const engine::DateTime& now)
        : calendar_(calendar), maker_(maker), now_(now) {}

    BatchItem read(std::string_view line) const;
    // Writes the answer line of input line `number` (from 1). Safe on several threads.
    void answer(const BatchItem& item, long long number, JsonLineWriter& out) const;
    // Reads and answers one line; returns the note for standard error, if any.
    std::string answerLine(std::string_view line, long long number, JsonLineWriter& out) const;

    // Reads standard input to its end and writes the answers to standard output in input
    // order, each group as soon as it is made. Notes (a target replaced by the birth moment)
    // go to standard error. False when reading or writing fails; errno says why.
    bool run(int inputFd, int outputFd, int threads) const;

  private:
    const engine::CalendarTable& calendar_;
    const ChartMaker& maker_;
    engine::DateTime now_;
};

// {"line": N, "error": "message"}
void writeErrorLine(JsonLineWriter& out, long long number, std::string_view message);

}  // namespace sorvik::cli
