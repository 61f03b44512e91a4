// sorvik-cli: the chart computation for scripts, as JSON on standard output.

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <variant>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QJsonDocument>

#include <unistd.h>

#include "cli/batch.h"
#include "cli/chart_arguments.h"
#include "cli/chart_maker.h"
#include "cli/command_line.h"
#include "cli/json_builder.h"
#include "cli/name_summary.h"
#include "engine/errors.h"
#include "platform/atomic_file.h"
#include "platform/key_store.h"
#include "platform/sjis.h"
#include "records/calendar_file.h"
#include "records/name_file.h"
#include "settings/target_date.h"

namespace {

using namespace sorvik;
using cli::accepted;
using cli::Options;
using cli::presentMoment;
using cli::refuseOptions;
using cli::requiredOption;
using cli::UsageError;

constexpr const char* kDescription =
    "The chart computation for scripts: one JSON object (UTF-8) on standard output.\n"
    "\n"
    "Commands:\n"
    "  lunar \"yyyy/mm/dd hh:mm\"   the lunar date, year and palaces of a moment\n"
    "  chart --name NAME --sex 男|女 --date yyyy/mm/dd --time hh:mm\n"
    "        [--target \"yyyy/mm/dd hh:mm\"]   the chart of a birth (target: now)\n"
    "  luck --sex 男|女 --date yyyy/mm/dd --time hh:mm [--csv]\n"
    "        the luck table of a birth: {\"luck\": [8 rows of 100 texts]}, or with --csv\n"
    "        the bytes of its CSV file (Shift-JIS, CR LF)\n"
    "  summary FILE.nam [--out OUT.nam]   the name list's summary of every person, as\n"
    "        {\"rows\": [[38 texts], ...]}; with --out the name file with them instead\n"
    "\n"
    "Errors are one line on standard error; the exit status is 2 for bad arguments and 1 for\n"
    "a failed computation; batch exits with 0 unless reading or writing fails.";

void checkRange(const engine::CalendarTable& calendar, const engine::Date& date) {
    const engine::RangeCheck check = calendar.CheckCalendarRange(date);
    if (!check.ok) {
        throw engine::CalendarError(check.message);
    }
}

std::string compactJson(const QJsonValue& value) {
    return QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact).toStdString();
}

std::string runLunar(const QCommandLineParser& parser, const Options& o,
                     const engine::CalendarTable& calendar) {
    refuseOptions(parser, "lunar", {&o.name, &o.sex, &o.date, &o.time, &o.target, &o.csv});
    const QStringList moments = parser.positionalArguments().mid(1);
    if (moments.size() != 1) {
        throw UsageError("lunar takes one moment \"yyyy/mm/dd hh:mm\"");
    }
    const engine::DateTime moment = accepted(cli::readMoment(moments[0], "日時"));
    checkRange(calendar, moment.date);
    cli::JsonBuilder json;
    cli::writeLunar(json, engine::ConvertBirthMoment(calendar, moment));
    return compactJson(json.result());
}

std::string runChart(const QCommandLineParser& parser, const Options& o,
                     const engine::CalendarTable& calendar, const QString& dataDir) {
    refuseOptions(parser, "chart", {&o.csv});
    if (parser.positionalArguments().size() > 1) {
        throw UsageError("chart takes no argument besides its options");
    }
    const cli::ChartRequest request = cli::chartRequest(parser, o, calendar);
    if (request.targetReplaced) {
        std::fprintf(stderr, "sorvik-cli: %s\n",
                     QString::fromUtf16(settings::kTargetDateOutOfRangeMessage).toUtf8().data());
    }
    const cli::ChartMaker maker(calendar, dataDir);
    cli::JsonBuilder json;
    cli::writeChart(json, maker.make(request.person, request.target));
    return compactJson(json.result());
}

// The JSON text, or with --csv the bytes of the CSV file.
std::string runLuck(const QCommandLineParser& parser, const Options& o,
                    const engine::CalendarTable& calendar, const QString& dataDir) {
    refuseOptions(parser, "luck", {&o.name, &o.target});
    if (parser.positionalArguments().size() > 1) {
        throw UsageError("luck takes no argument besides its options");
    }
    const engine::BirthMoment person =
        accepted(cli::readLuckPerson(requiredOption(parser, o.sex), requiredOption(parser, o.date),
                                     requiredOption(parser, o.time), calendar));
    const cli::ChartMaker maker(calendar, dataDir);
    const strength::LuckPeriods periods = maker.luck(person);
    if (parser.isSet(o.csv)) {
        return platform::encodeSjis(QString::fromStdString(strength::LuckCsvText(periods.table)))
            .toStdString();
    }
    cli::JsonBuilder json;
    cli::writeLuck(json, periods.table);
    return compactJson(json.result()) + '\n';
}

int runBatch(const QCommandLineParser& parser, const Options& o,
             const engine::CalendarTable& calendar, const QString& dataDir) {
    refuseOptions(parser, "batch", {&o.name, &o.sex, &o.date, &o.time, &o.target, &o.csv});
    if (parser.positionalArguments().size() > 1) {
        throw UsageError("batch reads its births from standard input");
    }
    const cli::ChartMaker maker(calendar, dataDir);
    const cli::Batch batch(calendar, maker, presentMoment());
    if (!batch.run(STDIN_FILENO, STDOUT_FILENO,
                   static_cast<int>(std::max(1U, std::thread::hardware_concurrency())))) {
        throw std::system_error(errno, std::generic_category(), "standard input or output");
    }
    return 0;
}

int runSummary(const QCommandLineParser& parser, const Options& o,
               const engine::CalendarTable& calendar, const QString& dataDir) {
    refuseOptions(parser, "summary", {&o.name, &o.sex, &o.date, &o.time, &o.target, &o.csv});
    const QStringList files = parser.positionalArguments().mid(1);
    if (files.size() != 1) {
        throw UsageError("summary takes one name file");
    }
    const cli::NameFileSummary summary(files[0], calendar, dataDir,
                                       platform::KeyStore::defaultFilePath());
    if (!summary.told().isEmpty()) {
        std::fprintf(stderr, "sorvik-cli: %s\n",
                     QString(summary.told()).replace(u'\n', u' ').toUtf8().data());
    }
    if (parser.isSet(o.out)) {
        // Nothing replaces the file until every row is written.
        platform::AtomicWriter out(parser.value(o.out));
        summary.forEachRow([&out](const records::NameList::Row& row) {
            out.write(platform::encodeSjis(records::formatNameLine(row)) + "\r\n");
        });
        out.commit();
    } else {
        summary.writeJson([](const QByteArray& piece) {
            cli::writeStandardOutput({piece.constData(), static_cast<std::size_t>(piece.size())});
        });
        cli::writeStandardOutput("\n");
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(SORVIK_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const Options o;
    parser.addOptions({o.data, o.name, o.sex, o.date, o.time, o.target, o.csv, o.out});
    parser.addPositionalArgument("command",
                                 "lunar, chart, luck, batch or summary, and its arguments.",
                                 "command [arguments]");
    return cli::runReportingErrors("sorvik-cli", [&] {
        const QStringList positional = cli::parseArguments(parser, help, version);
        if (positional.isEmpty()) {
            throw UsageError("no command given");
        }
        const QString command = positional.first();
        if (command != u"lunar" && command != u"chart" && command != u"luck" &&
            command != u"batch" && command != u"summary") {
            throw UsageError("unknown command: " + command.toStdString());
        }
        const QString dataDir = cli::dataFolder(parser, o);
        if (command != u"summary") {
            refuseOptions(parser, command, {&o.out});
        }
        const engine::CalendarTable calendar = records::LoadCalendar(dataDir);
        if (command != u"lunar") {
            cli::refuseDamagedKeyStore(platform::KeyStore::defaultFilePath());
        }
        if (command == u"summary") {
            return runSummary(parser, o, calendar, dataDir);
        }
        if (command == u"batch") {
            return runBatch(parser, o, calendar, dataDir);
        }
        if (command == u"luck") {
            cli::writeStandardOutput(runLuck(parser, o, calendar, dataDir));
            return 0;
        }
        const std::string json = command == u"lunar" ? runLunar(parser, o, calendar)
                                                     : runChart(parser, o, calendar, dataDir);
        cli::writeStandardOutput(json + '\n');
        return 0;
    });
}
