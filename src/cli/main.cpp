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
#include <QGuiApplication>
#include <QJsonDocument>

#include <unistd.h>

#include "cli/batch.h"
#include "cli/chart_arguments.h"
#include "cli/chart_export_command.h"
#include "cli/chart_maker.h"
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
    "  export text|html|pdf --name NAME --sex 男|女 --date yyyy/mm/dd --time hh:mm\n"
    "        [--target \"yyyy/mm/dd hh:mm\"] [--out FILE]   the bytes the chart window's\n"
    "        説明文の出力, 命盤HTML出力 or PDF出力 writes, on standard output or into FILE\n"
    "  summary FILE.nam [--out OUT.nam]   the name list's summary of every person, as\n"
    "        {\"rows\": [[38 texts], ...]}; with --out the name file with them instead\n"
    "\n"
    "Errors are one line on standard error; the exit status is 2 for bad arguments and 1 for\n"
    "a failed computation; batch exits with 0 unless reading or writing fails.";

// Wrong use of the command line (exit status 2).
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A refused chart or moment, with its exit status.
class RefusalError : public std::runtime_error {
  public:
    explicit RefusalError(cli::Refusal refusal)
        : std::runtime_error(refusal.message), status(refusal.status) {}
    int status;
};

template <typename T>
T accepted(std::variant<T, cli::Refusal> outcome) {
    if (auto* refusal = std::get_if<cli::Refusal>(&outcome)) {
        throw RefusalError(std::move(*refusal));
    }
    return std::get<T>(std::move(outcome));
}

struct Options {
    QCommandLineOption data{"data", "Read the data files from DIR instead of the program's folder.",
                            "DIR"};
    QCommandLineOption name{"name", "The person's name.", "NAME"};
    QCommandLineOption sex{"sex", "男 or 女.", "SEX"};
    QCommandLineOption date{"date", "The birth date, yyyy/mm/dd.", "DATE"};
    QCommandLineOption time{"time", "The birth time, hh:mm.", "TIME"};
    QCommandLineOption target{"target", "The target moment, \"yyyy/mm/dd hh:mm\" (default: now).",
                              "MOMENT"};
    QCommandLineOption csv{"csv", "luck: print the CSV file's bytes instead of JSON."};
    QCommandLineOption out{"out", "summary: write the name file with its summaries to FILE.",
                           "FILE"};
};

QString requiredOption(const QCommandLineParser& parser, const QCommandLineOption& option) {
    if (!parser.isSet(option)) {
        throw UsageError("missing --" + option.names().first().toStdString());
    }
    return parser.value(option);
}

// The options a command does not take are refused rather than ignored.
void refuseOptions(const QCommandLineParser& parser, const QString& command,
                   std::initializer_list<const QCommandLineOption*> options) {
    for (const QCommandLineOption* option : options) {
        if (parser.isSet(*option)) {
            throw UsageError(command.toStdString() + " does not take --" +
                             option->names().first().toStdString());
        }
    }
}

void checkRange(const engine::CalendarTable& calendar, const engine::Date& date) {
    const engine::RangeCheck check = calendar.CheckCalendarRange(date);
    if (!check.ok) {
        throw engine::CalendarError(check.message);
    }
}

std::string compactJson(const QJsonValue& value) {
    return QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact).toStdString();
}

engine::DateTime presentMoment() {
    const QDateTime now = QDateTime::currentDateTime();
    return {{now.date().year(), now.date().month(), now.date().day()},
            now.time().hour(),
            now.time().minute()};
}

std::string runLunar(const QCommandLineParser& parser, const Options& o,
                     const engine::CalendarTable& calendar) {
    refuseOptions(parser, "lunar", {&o.name, &o.sex, &o.date, &o.time, &o.target, &o.csv});
    const QStringList moments = parser.positionalArguments().mid(1);
    if (moments.size() != 1) {
        throw UsageError("lunar takes one moment \"yyyy/mm/dd hh:mm\"");
    }
    const engine::DateTime moment = accepted(cli::readMoment(moments[0], "the moment"));
    checkRange(calendar, moment.date);
    cli::JsonBuilder json;
    cli::writeLunar(json, engine::ConvertBirthMoment(calendar, moment));
    return compactJson(json.result());
}

// The person and target of the chart options.
cli::ChartRequest chartRequest(const QCommandLineParser& parser, const Options& o,
                               const engine::CalendarTable& calendar) {
    cli::ChartArguments args{requiredOption(parser, o.name), requiredOption(parser, o.sex),
                             requiredOption(parser, o.date), requiredOption(parser, o.time),
                             std::nullopt};
    if (parser.isSet(o.target)) {
        args.target = parser.value(o.target);
    }
    return accepted(cli::readChartRequest(args, calendar, presentMoment(), "--"));
}

std::string runChart(const QCommandLineParser& parser, const Options& o,
                     const engine::CalendarTable& calendar, const QString& dataDir) {
    refuseOptions(parser, "chart", {&o.csv});
    if (parser.positionalArguments().size() > 1) {
        throw UsageError("chart takes no argument besides its options");
    }
    const cli::ChartRequest request = chartRequest(parser, o, calendar);
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
    records::NameList list;
    cli::summariseNameFile(files[0], calendar, dataDir, platform::KeyStore::defaultFilePath(),
                           list);
    if (parser.isSet(o.out)) {
        records::writeNameFile(parser.value(o.out), list);
    } else {
        std::printf("%s\n", compactJson(cli::summaryJson(list)).c_str());
    }
    return 0;
}

int runExport(const QCommandLineParser& parser, const Options& o,
              const engine::CalendarTable& calendar, const QString& dataDir) {
    refuseOptions(parser, "export", {&o.csv});
    const QStringList positional = parser.positionalArguments();
    const std::map<QString, cli::ExportKind> kinds = {
        {QStringLiteral("text"), cli::ExportKind::Text},
        {QStringLiteral("html"), cli::ExportKind::Html},
        {QStringLiteral("pdf"), cli::ExportKind::Pdf}};
    if (positional.size() != 2 || !kinds.contains(positional[1])) {
        throw UsageError("export takes one of text, html or pdf");
    }
    const cli::ChartRequest request = chartRequest(parser, o, calendar);
    const QByteArray bytes = cli::exportChart(
        kinds.at(positional[1]), calendar, dataDir, platform::KeyStore::defaultFilePath(),
        request.person,
        parser.isSet(o.target) ? std::optional<engine::DateTime>(request.target) : std::nullopt,
        presentMoment());
    if (parser.isSet(o.out)) {
        platform::writeFileAtomically(parser.value(o.out), bytes);
    } else if (std::fwrite(bytes.data(), 1, static_cast<std::size_t>(bytes.size()), stdout) !=
                   static_cast<std::size_t>(bytes.size()) ||
               std::fflush(stdout) != 0) {
        throw std::system_error(errno, std::generic_category(), "standard output");
    }
    return 0;
}

int fail(int status, const std::string& message) {
    std::fprintf(stderr, "sorvik-cli: %s\n", message.c_str());
    return status;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Drawing a PDF needs fonts, which come with the GUI application; it draws off screen.
    const bool drawing = std::any_of(
        argv, argv + argc, [](const char* arg) { return std::string_view(arg) == "pdf"; });
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const std::unique_ptr<QCoreApplication> app =
        drawing ? std::make_unique<QGuiApplication>(argc, argv)
                : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(SORVIK_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const Options o;
    parser.addOptions({o.data, o.name, o.sex, o.date, o.time, o.target, o.csv, o.out});
    parser.addPositionalArgument("command",
                                 "lunar, chart, luck, batch, summary or export, and its arguments.",
                                 "command [arguments]");
    try {
        if (!parser.parse(QCoreApplication::arguments())) {
            throw UsageError(parser.errorText().toStdString());
        }
        if (parser.isSet(help)) {
            parser.showHelp(0);
        }
        if (parser.isSet(version)) {
            parser.showVersion();
        }
        const QStringList positional = parser.positionalArguments();
        if (positional.isEmpty()) {
            throw UsageError("no command given");
        }
        const QString command = positional.first();
        if (command != u"lunar" && command != u"chart" && command != u"luck" &&
            command != u"batch" && command != u"summary" && command != u"export") {
            throw UsageError("unknown command: " + command.toStdString());
        }
        const QString dataDir =
            parser.isSet(o.data) ? parser.value(o.data) : QCoreApplication::applicationDirPath();
        if (command != u"summary" && command != u"export") {
            refuseOptions(parser, command, {&o.out});
        }
        const engine::CalendarTable calendar = records::LoadCalendar(dataDir);
        if (command == u"summary") {
            return runSummary(parser, o, calendar, dataDir);
        }
        if (command == u"export") {
            return runExport(parser, o, calendar, dataDir);
        }
        if (command == u"batch") {
            return runBatch(parser, o, calendar, dataDir);
        }
        if (command == u"luck") {
            const std::string output = runLuck(parser, o, calendar, dataDir);
            if (std::fwrite(output.data(), 1, output.size(), stdout) != output.size() ||
                std::fflush(stdout) != 0) {
                throw std::system_error(errno, std::generic_category(), "standard output");
            }
            return 0;
        }
        const std::string json = command == u"lunar" ? runLunar(parser, o, calendar)
                                                     : runChart(parser, o, calendar, dataDir);
        std::printf("%s\n", json.c_str());
        return 0;
    } catch (const UsageError& e) {
        return fail(2, std::string(e.what()) + " (sorvik-cli --help tells the usage)");
    } catch (const RefusalError& e) {
        return fail(e.status, e.what());
    } catch (const Error& e) {
        return fail(1, e.what());
    } catch (const std::system_error& e) {
        return fail(1, e.what());
    }
}
