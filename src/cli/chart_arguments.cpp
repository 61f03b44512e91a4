#include "chart_arguments.h"

#include <QRegularExpression>

#include "records/birth_entry.h"
#include "records/date_texts.h"
#include "settings/target_date.h"

namespace sorvik::cli {

std::variant<engine::DateTime, Refusal> readMoment(const QString& text, const std::string& what) {
    if (const auto moment = engine::parseDateTime(text.toStdString())) {
        return *moment;
    }
    static thread_local const QRegularExpression shape(  // batches read on several threads
        QStringLiteral(R"(^ *\d{1,4}/\d{1,2}/\d{1,2} +\d{1,2}:\d{1,2} *$)"));
    if (shape.match(text).hasMatch()) {
        return Refusal{2, what + " (" + text.toStdString() +
                              "): " + QString::fromUtf16(records::kBadDateMessage).toStdString()};
    }
    return Refusal{2, what + " is not \"yyyy/mm/dd hh:mm\": " + text.toStdString()};
}

namespace {

std::optional<Refusal> checkSex(const QString& sex, const char* prefix) {
    if (sex != u"男" && sex != u"女") {
        return Refusal{2, std::string(prefix) + "sex must be 男 or 女"};
    }
    return std::nullopt;
}

Refusal refusalOf(const records::EntryRefusal& refusal) {
    const bool calendarRange = refusal.field == records::EntryRefusal::Field::Calendar;
    return Refusal{calendarRange ? 1 : 2, refusal.message.toStdString()};
}

// With the date and time in their full spelling.
engine::BirthMoment personOf(const QString& name, const QString& sex, const QString& date,
                             const QString& time) {
    return {name.toStdString(), sex == u"男" ? engine::Sex::Male : engine::Sex::Female,
            records::normaliseDateText(date).toStdString(),
            records::normaliseTimeText(time).toStdString()};
}

}  // namespace

std::variant<ChartRequest, Refusal> readChartRequest(const ChartArguments& args,
                                                     const engine::CalendarTable& calendar,
                                                     const engine::DateTime& now,
                                                     const char* prefix) {
    if (auto refusal = checkSex(args.sex, prefix)) {
        return std::move(*refusal);
    }
    if (const auto refusal =
            records::checkBirthEntry({args.name, true, args.date, args.time}, calendar)) {
        return refusalOf(*refusal);
    }
    ChartRequest request;
    request.person = personOf(args.name, args.sex, args.date, args.time);
    const engine::DateTime birth =
        *engine::parseDateTime(request.person.dateText, request.person.timeText);
    request.target = now;
    if (args.target) {
        auto target = readMoment(*args.target, std::string(prefix) + "target");
        if (auto* refusal = std::get_if<Refusal>(&target)) {
            return std::move(*refusal);
        }
        request.target = std::get<engine::DateTime>(target);
    }
    // As for the default target date of the chart window.
    if (!settings::isTargetWithinLifetime(birth, request.target)) {
        request.target = birth;
        request.targetReplaced = true;
    }
    return request;
}

std::variant<engine::BirthMoment, Refusal> readLuckPerson(const QString& sex, const QString& date,
                                                          const QString& time,
                                                          const engine::CalendarTable& calendar) {
    if (auto refusal = checkSex(sex, "--")) {
        return std::move(*refusal);
    }
    if (const auto refusal = records::checkBirthMoment(date, time, calendar)) {
        return refusalOf(*refusal);
    }
    return personOf(QString(), sex, date, time);
}

}  // namespace sorvik::cli
