#include "cli/command_line.h"

#include <cerrno>
#include <cstdio>

#include <QCoreApplication>
#include <QDateTime>

#include "engine/errors.h"
#include "platform/clock.h"
#include "platform/errors.h"
#include "platform/key_store.h"
#include "platform/program_folder.h"
#include "records/calendar_file.h"

namespace sorvik::cli {

QStringList parseArguments(QCommandLineParser& parser, const QCommandLineOption& help,
                           const QCommandLineOption& version) {
    if (!parser.parse(QCoreApplication::arguments())) {
        throw UsageError(parser.errorText().toStdString());
    }
    // The parser would keep the last value and drop the others unsaid.
    const QStringList given = parser.optionNames();
    for (const QString& name : given) {
        if (given.count(name) > 1) {
            throw UsageError("repeated option --" + name.toStdString());
        }
    }
    if (parser.isSet(help)) {
        parser.showHelp(0);
    }
    if (parser.isSet(version)) {
        parser.showVersion();
    }
    return parser.positionalArguments();
}

QString dataFolder(const QCommandLineParser& parser, const Options& o) {
    return parser.isSet(o.data)
               ? parser.value(o.data)
               : platform::programFolder(QString::fromLatin1(records::kCalendarFileName));
}

QString requiredOption(const QCommandLineParser& parser, const QCommandLineOption& option) {
    if (!parser.isSet(option)) {
        throw UsageError("missing --" + option.names().first().toStdString());
    }
    return parser.value(option);
}

void refuseOptions(const QCommandLineParser& parser, const QString& command,
                   std::initializer_list<const QCommandLineOption*> options) {
    for (const QCommandLineOption* option : options) {
        if (parser.isSet(*option)) {
            throw UsageError(command.toStdString() + " does not take --" +
                             option->names().first().toStdString());
        }
    }
}

engine::DateTime presentMoment() {
    const QDateTime now = platform::Clock::now();
    return {{now.date().year(), now.date().month(), now.date().day()},
            now.time().hour(),
            now.time().minute()};
}

void refuseDamagedKeyStore(const QString& keyStorePath) {
    if (const QString damage = platform::keyStoreDamage(keyStorePath); !damage.isEmpty()) {
        throw platform::FileError(damage);
    }
}

ChartRequest chartRequest(const QCommandLineParser& parser, const Options& o,
                          const engine::CalendarTable& calendar) {
    ChartArguments args{requiredOption(parser, o.name), requiredOption(parser, o.sex),
                        requiredOption(parser, o.date), requiredOption(parser, o.time),
                        std::nullopt};
    if (parser.isSet(o.target)) {
        args.target = parser.value(o.target);
    }
    return accepted(readChartRequest(args, calendar, presentMoment(), "--"));
}

void writeStandardOutput(std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) {
        throw std::system_error(errno, std::generic_category(), "standard output");
    }
}

namespace {

// Output still in the buffer, or a closed or full standard output, shows only here: a run
// that printed nothing must not end as a success.
void closeStandardOutput() {
    errno = 0;
    const bool failedBefore = std::ferror(stdout) != 0;
    const bool flushed = std::fflush(stdout) == 0;
    const int flushError = errno;
    const bool closed = std::fclose(stdout) == 0;
    if (!failedBefore && flushed && closed) {
        return;
    }
    const int error = flushError != 0 ? flushError : errno;
    throw std::system_error(error != 0 ? error : EIO, std::generic_category(), "standard output");
}

}  // namespace

int runReportingErrors(const char* program, const std::function<int()>& work) {
    const auto fail = [program](int status, const std::string& message) {
        std::fprintf(stderr, "%s: %s\n", program, message.c_str());
        return status;
    };
    try {
        const int status = work();
        closeStandardOutput();
        return status;
    } catch (const UsageError& e) {
        return fail(2, std::string(e.what()) + " (" + program + " --help tells the usage)");
    } catch (const RefusalError& e) {
        return fail(e.status, e.what());
    } catch (const std::exception& e) {
        // The program's own errors, and whatever the libraries throw (no memory, a failed
        // system call): the run ends with the message, never with terminate.
        return fail(1, e.what());
    } catch (...) {
        return fail(1, "予期しないｴﾗｰが発生しました。");
    }
}

}  // namespace sorvik::cli
