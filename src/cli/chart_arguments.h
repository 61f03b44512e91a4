#pragma once

#include <optional>
#include <string>
#include <variant>

#include <QString>

#include "engine/calendar_table.h"
#include "engine/chart_request.h"

namespace sorvik::cli {

// One person as `chart` takes it on the command line and `batch` on one input line.
struct ChartArguments {
    QString name;
    QString sex;   // 男 or 女
    QString date;  // the spellings the entry bar accepts
    QString time;
    std::optional<QString> target;  // "yyyy/mm/dd hh:mm"; without it, now
};

struct ChartRequest {
    engine::BirthMoment person;  // with the date and time in their full spelling
    engine::DateTime target;
    // The target lay outside 0..150 years after the birth and the birth moment replaced it.
    bool targetReplaced = false;
};

// Why no chart is made: exit status 2 for a bad argument, 1 for a date the calendar table
// cannot convert.
struct Refusal {
    int status;
    std::string message;
};

// The entry bar's checks, then the target. `prefix` names the arguments in messages: "--" on
// the command line, "" for the keys of a batch line.
std::variant<ChartRequest, Refusal> readChartRequest(const ChartArguments& args,
                                                     const engine::CalendarTable& calendar,
                                                     const engine::DateTime& now,
                                                     const char* prefix);

// The person of `luck`: the sex, date and time checked as for `chart`; no name.
std::variant<engine::BirthMoment, Refusal> readLuckPerson(const QString& sex, const QString& date,
                                                          const QString& time,
                                                          const engine::CalendarTable& calendar);

// How every refused value is told: "--target「2021-02-28」：" and why.
std::string valueMessage(const std::string& what, const QString& value, const QString& why);

// "yyyy/mm/dd hh:mm" for a moment argument; a text of the right shape that names no real day
// (2023/02/30) is refused as an impossible date, not as a format error.
std::variant<engine::DateTime, Refusal> readMoment(const QString& text, const std::string& what);

}  // namespace sorvik::cli
