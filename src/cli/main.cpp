// sorvik-cli: the chart computation for scripts, as JSON on standard output.

#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>

#include "cli/json.h"
#include "engine/chart_request.h"
#include "engine/errors.h"
#include "platform/errors.h"
#include "platform/key_store.h"
#include "records/calendar_file.h"
#include "settings/zi_wei_settings.h"
#include "strength/double_stars.h"
#include "strength/one_decimal.h"
#include "strength/palace_strength.h"

namespace {

using namespace sorvik;

constexpr const char* kUsage =
    "usage: sorvik-cli [--data DIR] lunar \"yyyy/mm/dd hh:mm\" | chart --name NAME --sex 男|女"
    " --date yyyy/mm/dd --time hh:mm [--target \"yyyy/mm/dd hh:mm\"]";

// The substitute for the character missing from the star names, as the program ships it.
constexpr const char* kDefaultSpecialChar = "殺";

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

std::string conversionJson(const engine::ConvertedMoment& m) {
    return cli::JsonObject()
        .add("lunarYear", m.lunar.year)
        .add("lunarMonth", m.lunar.month)
        .add("lunarDay", m.lunar.day)
        .add("hourBranch", m.lunar.hour)
        .add("leapAdjust", m.leapAdjust)
        .add("yearStem", m.yearStem)
        .add("yearBranch", m.yearBranch)
        .add("lifePalace", m.lifePalace)
        .add("bodyPalace", m.bodyPalace)
        .add("placementMonth", m.placementMonth())
        .addText("lunarText", m.lunarText)
        .str();
}

std::string labelsJson(const engine::ChartLabels& l) {
    return cli::JsonObject()
        .addText("Name", l.Name)
        .addText("Date", l.Date)
        .addText("Inyo", l.Inyo)
        .addText("InDate", l.InDate)
        .addText("Kyoku", l.Kyoku)
        .addText("Kazoe", l.Kazoe)
        .addText("Mei", l.Mei)
        .addText("Sin", l.Sin)
        .addText("Nat", l.Nat)
        .addText("ZNen", l.ZNen)
        .addText("ZKS", l.ZKS)
        .str();
}

std::string runLunar(const Arguments& args, const engine::CalendarTable& calendar) {
    if (args.positional.size() != 1) {
        throw UsageError("lunar takes one moment \"yyyy/mm/dd hh:mm\"");
    }
    const engine::DateTime moment = parseMoment(args.positional[0], "the moment");
    checkRange(calendar, moment.date);
    return cli::JsonObject()
        .add("conversion", conversionJson(engine::ConvertBirthMoment(calendar, moment)))
        .str();
}

engine::DateTime presentMoment() {
    const QDateTime now = QDateTime::currentDateTime();
    return {{now.date().year(), now.date().month(), now.date().day()},
            now.time().hour(),
            now.time().minute()};
}

template <typename Rows>
std::string jsonIntRows(const Rows& rows) {
    std::vector<std::string> raw;
    for (const auto& row : rows) {
        raw.push_back(cli::jsonIntArray(row));
    }
    return cli::jsonArray(raw);
}

std::string palaceStrengthJson(const engine::ChartRecord& record,
                               const strength::StrengthTables& tables) {
    const auto scores = strength::palaceStrengths(
        record.palaceStarLists, record.header()[engine::kHeaderLifePalace],
        record.header()[engine::kHeaderBodyPalace], tables);
    std::vector<std::string> texts;
    for (const double score : scores) {
        texts.push_back(strength::formatOneDecimal(score, strength::kStrengthWidth));
    }
    return cli::jsonTextArray(texts);
}

std::string doubleStarsJson(const engine::ChartRecord& record,
                            const strength::StrengthTables& tables,
                            const engine::StarDisplayNames& names) {
    std::vector<std::string> palaces;
    for (engine::Branch p = 0; p < 12; ++p) {
        const strength::DoubleStarEvaluation evaluation =
            strength::evaluateDoubleStars(record.palaceStarLists, p, tables, names);
        std::vector<std::string> relations;
        for (int r = 0; r < strength::kRelationCount; ++r) {
            const strength::DoubleStarRelation& relation =
                evaluation.relations[static_cast<std::size_t>(r)];
            relations.push_back(
                cli::JsonObject()
                    .addText("name", strength::kRelationNames[static_cast<std::size_t>(r)])
                    .add("entries", cli::jsonTextArray(relation.entries))
                    .addText("power", relation.power)
                    .str());
        }
        palaces.push_back(cli::JsonObject()
                              .add("relations", cli::jsonArray(relations))
                              .addText("total", evaluation.total)
                              .str());
    }
    return cli::jsonArray(palaces);
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

    const engine::StarDisplayNames names = engine::BuildStarDisplayNames(kDefaultSpecialChar);
    // The star tables beside the program and the user's stored rules, as the program reads them.
    platform::KeyStore keys(platform::KeyStore::defaultFilePath());
    settings::ZiWeiSettings ziWei(dataDir, keys, names);
    ziWei.startUp();
    const engine::ChartSettings chartSettings{ziWei, ziWei.bodyStarRule()};
    const engine::Chart chart =
        engine::RequestChart(calendar, names, person, target, chartSettings);
    const engine::Placement& placement = chart.placement;
    const engine::StarRow& header = chart.record.header();
    const engine::Branch dokun =
        engine::Dokun(header[engine::kHeaderLunarMonth], header[engine::kHeaderLeapAdjust],
                      header[engine::kHeaderHourBranch]);
    return cli::JsonObject()
        .add("conversion", conversionJson(chart.birth))
        .add("header", cli::jsonIntArray(header))
        .add("labels", labelsJson(chart.labels))
        .add("dokun", dokun)
        .add("monthlyLuckDates", cli::jsonTextArray(chart.monthlyLuckDates))
        .add("bureau", placement.bureau)
        .add("starTable", jsonIntRows(placement.stars))
        .add("palaceStarLists", jsonIntRows(chart.record.palaceStarLists))
        .add("yearlyStarLists", jsonIntRows(chart.yearlyStarLists))
        .add("patternFlags", cli::jsonIntArray(chart.patternFlags))
        .add("patterns", cli::jsonTextArray(chart.patterns))
        .add("palaceStrength", palaceStrengthJson(chart.record, ziWei))
        .add("doubleStars", doubleStarsJson(chart.record, ziWei, names))
        .str();
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
