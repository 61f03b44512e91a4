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
    static const QRegularExpression shape(
        QStringLiteral(R"(^ *\d{1,4}/\d{1,2}/\d{1,2} +\d{1,2}:\d{1,2} *$)"));
    if (shape.match(text).hasMatch()) {
        return Refusal{2, what + " (" + text.toStdString() +
                              "): " + QString::fromUtf16(records::kBadDateMessage).toStdString()};
    }
    return Refusal{2, what + " is not \"yyyy/mm/dd hh:mm\": " + text.toStdString()};
}

std::variant<ChartRequest, Refusal> readChartRequest(const ChartArguments& args,
                                                     const engine::CalendarTable& calendar,
                                                     const engine::DateTime& now,
                                                     const char* prefix) {
    if (args.sex != u"男" && args.sex != u"女") {
        return Refusal{2, std::string(prefix) + "sex must be 男 or 女"};
    }
    if (const auto refusal =
            records::checkBirthEntry({args.name, true, args.date, args.time}, calendar)) {
        const bool calendarRange = refusal->field == records::EntryRefusal::Field::Calendar;
        return Refusal{calendarRange ? 1 : 2, refusal->message.toStdString()};
    }
    ChartRequest request;
    request.person.name = args.name.toStdString();
    request.person.sex = args.sex == u"男" ? 0 : 1;
    request.person.dateText = records::normaliseDateText(args.date).toStdString();
    request.person.timeText = records::normaliseTimeText(args.time).toStdString();
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

}  // namespace sorvik::cli
