// sorvik-cli: the chart computation for scripts, as JSON on standard output.

#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QJsonDocument>

#include "cli/chart_maker.h"
#include "cli/json_builder.h"
#include "engine/chart_request.h"
#include "engine/errors.h"
#include "platform/errors.h"
#include "records/calendar_file.h"

namespace {

using namespace sorvik;

constexpr const char* kUsage =
    "usage: sorvik-cli [--data DIR] lunar \"yyyy/mm/dd hh:mm\" | chart --name NAME --sex 男|女"
    " --date yyyy/mm/dd --time hh:mm [--target \"yyyy/mm/dd hh:mm\"]";

// Wrong use of the command line (exit status 2).
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct Arguments {
    std::string command;
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;

    std::string option(const std::string& name) const {
        const auto it = options.find(name);
        if (it == options.end()) {
            throw UsageError("missing --" + name);
        }
        return it->second;
    }
};

Arguments parseArguments(const QStringList& args) {
    Arguments parsed;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const std::string arg = args[i].toStdString();
        if (arg.rfind("--", 0) == 0) {
            if (i + 1 >= args.size()) {
                throw UsageError(arg + " needs a value");
            }
            parsed.options[arg.substr(2)] = args[++i].toStdString();
        } else if (parsed.command.empty()) {
            parsed.command = arg;
        } else {
            parsed.positional.push_back(arg);
        }
    }
    if (parsed.command.empty()) {
        throw UsageError("no command given");
    }
    return parsed;
}

engine::DateTime parseMoment(const std::string& text, const char* what) {
    const auto moment = engine::parseDateTime(text);
    if (!moment) {
        throw UsageError(std::string(what) + " is not \"yyyy/mm/dd hh:mm\": " + text);
    }
    return *moment;
}

void checkRange(const engine::CalendarTable& calendar, const engine::Date& date) {
    const engine::RangeCheck check = calendar.CheckCalendarRange(date);
    if (!check.ok) {
        throw engine::CalendarError(check.message);
    }
}

std::string compactJson(const QJsonValue& value) {
    const QJsonDocument document =
        value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    return document.toJson(QJsonDocument::Compact).toStdString();
}

std::string runLunar(const Arguments& args, const engine::CalendarTable& calendar) {
    if (args.positional.size() != 1) {
        throw UsageError("lunar takes one moment \"yyyy/mm/dd hh:mm\"");
    }
    const engine::DateTime moment = parseMoment(args.positional[0], "the moment");
    checkRange(calendar, moment.date);
    cli::JsonBuilder json;
    cli::writeLunar(json, engine::ConvertBirthMoment(calendar, moment));
    return compactJson(json.result());
}

engine::DateTime presentMoment() {
    const QDateTime now = QDateTime::currentDateTime();
    return {{now.date().year(), now.date().month(), now.date().day()},
            now.time().hour(),
            now.time().minute()};
}

std::string runChart(const Arguments& args, const engine::CalendarTable& calendar,
                     const QString& dataDir) {
    engine::BirthMoment person;
    person.name = args.option("name");
    const std::string sex = args.option("sex");
    if (sex != "男" && sex != "女") {
        throw UsageError("--sex must be 男 or 女");
    }
    person.sex = sex == "男" ? 0 : 1;
    person.dateText = args.option("date");
    person.timeText = args.option("time");
    const engine::DateTime birth =
        parseMoment(person.dateText + " " + person.timeText, "--date/--time");
    const engine::DateTime target = args.options.count("target")
                                        ? parseMoment(args.option("target"), "--target")
                                        : presentMoment();
    checkRange(calendar, birth.date);

    const cli::ChartMaker maker(calendar, dataDir);
    cli::JsonBuilder json;
    cli::writeChart(json, maker.make(person, target));
    return compactJson(json.result());
}

int fail(int status, const std::string& message) {
    std::fprintf(stderr, "sorvik-cli: %s\n", message.c_str());
    return status;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    try {
        const Arguments args = parseArguments(QCoreApplication::arguments());
        const QString dataDir = args.options.count("data")
                                    ? QString::fromStdString(args.options.at("data"))
                                    : QCoreApplication::applicationDirPath();
        if (args.command != "lunar" && args.command != "chart") {
            throw UsageError("unknown command: " + args.command);
        }
        const engine::CalendarTable calendar = records::LoadCalendar(dataDir);
        const std::string json =
            args.command == "lunar" ? runLunar(args, calendar) : runChart(args, calendar, dataDir);
        std::printf("%s\n", json.c_str());
        return 0;
    } catch (const UsageError& e) {
        return fail(2, std::string(e.what()) + " (" + kUsage + ")");
    } catch (const platform::FileError& e) {
        return fail(1, e.what());
    } catch (const engine::EngineError& e) {
        return fail(1, e.what());
    }
}
