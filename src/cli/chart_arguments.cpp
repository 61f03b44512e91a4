#include "chart_arguments.h"

#include <QRegularExpression>

#include "engine/date.h"
#include "records/birth_entry.h"
#include "settings/target_date.h"

namespace sorvik::cli {

std::string valueMessage(const std::string& what, const QString& value, const QString& why) {
    return what + (QStringLiteral("「") + value + QStringLiteral("」：") + why).toStdString();
}

std::variant<engine::DateTime, Refusal> readMoment(const QString& text, const std::string& what) {
    if (const auto moment = engine::parseDateTime(text.toStdString())) {
        return *moment;
    }
    static thread_local const QRegularExpression shape(  // batches read on several threads
        QStringLiteral(R"(^ *\d{1,4}/\d{1,2}/\d{1,2} +\d{1,2}:\d{1,2} *$)"));
    const bool impossibleDay = shape.match(text).hasMatch();
    return Refusal{2, valueMessage(what, text,
                                   impossibleDay ? QString::fromUtf16(records::kBadDateMessage)
                                                 : QStringLiteral("「yyyy/mm/dd hh:mm」の形で"
                                                                  "指定してください。"))};
}

namespace {

std::optional<Refusal> checkSex(const QString& sex, const char* prefix) {
    if (sex != u"男" && sex != u"女") {
        return Refusal{2, valueMessage(std::string(prefix) + "sex", sex,
                                       QStringLiteral("「男」か「女」を指定してください。"))};
    }
    return std::nullopt;
}

Refusal refusalOf(const records::EntryRefusal& refusal) {
    const bool calendarRange = refusal.field == records::EntryRefusal::Field::Calendar;
    return Refusal{calendarRange ? 1 : 2, refusal.message.toStdString()};
}

// With the date and time in their full spelling.
engine::BirthMoment personOf(const QString& name, const QString& sex,
                             const engine::DateTime& birth) {
    return {name.toStdString(), sex == u"男" ? engine::Sex::Male : engine::Sex::Female,
            engine::formatSlashed(birth.date), engine::formatClock(birth.hour, birth.minute)};
}

}  // namespace

std::variant<ChartRequest, Refusal> readChartRequest(const ChartArguments& args,
                                                     const engine::CalendarTable& calendar,
                                                     const engine::DateTime& now,
                                                     const char* prefix) {
    if (auto refusal = checkSex(args.sex, prefix)) {
        return std::move(*refusal);
    }
    const auto read = records::readBirthEntry({args.name, true, args.date, args.time}, calendar);
    if (const auto* refusal = std::get_if<records::EntryRefusal>(&read)) {
        return refusalOf(*refusal);
    }
    const auto birth = std::get<engine::DateTime>(read);
    ChartRequest request;
    request.person = personOf(args.name, args.sex, birth);
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
    const auto read = records::readBirthMoment(date, time, calendar);
    if (const auto* refusal = std::get_if<records::EntryRefusal>(&read)) {
        return refusalOf(*refusal);
    }
    return personOf(QString(), sex, std::get<engine::DateTime>(read));
}

}  // namespace sorvik::cli
