#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

#include <QCommandLineOption>
#include <QCommandLineParser>

#include "cli/chart_arguments.h"
#include "engine/errors.h"

// What the command-line programs share: their options, their errors and how a run ends.
namespace sorvik::cli {

// Wrong use of the command line (exit status 2).
class UsageError : public Error {
  public:
    using Error::Error;
};

// A refused chart or moment, with its exit status.
class RefusalError : public Error {
  public:
    explicit RefusalError(Refusal refusal) : Error(refusal.message), status(refusal.status) {}
    int status;
};

template <typename T>
T accepted(std::variant<T, Refusal> outcome) {
    if (auto* refusal = std::get_if<Refusal>(&outcome)) {
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
    QCommandLineOption out{"out", "Write the result into FILE instead of standard output.", "FILE"};
};

// Parses the program's arguments; --help and --version end the program there. Returns the
// positional arguments.
QStringList parseArguments(QCommandLineParser& parser, const QCommandLineOption& help,
                           const QCommandLineOption& version);

// The folder of the data files: --data, or the program's folder as the desktop program
// chooses it (the user's data folder, filled from the shipped data, when installed).
QString dataFolder(const QCommandLineParser& parser, const Options& o);

QString requiredOption(const QCommandLineParser& parser, const QCommandLineOption& option);

// The options a command does not take are refused rather than ignored.
void refuseOptions(const QCommandLineParser& parser, const QString& command,
                   std::initializer_list<const QCommandLineOption*> options);

engine::DateTime presentMoment();

// The user's key store, when it is damaged, is refused (status 1) rather than computed over
// with its settings at their defaults.
void refuseDamagedKeyStore(const QString& keyStorePath);

// The person and target of the chart options.
ChartRequest chartRequest(const QCommandLineParser& parser, const Options& o,
                          const engine::CalendarTable& calendar);

// Throws std::system_error when standard output does not take all of the bytes.
void writeStandardOutput(std::string_view bytes);

// Runs a program's work and turns its errors into one line on standard error, headed by the
// program's name, and the exit status: 2 for wrong use, 1 for a failed computation, which
// includes a standard output that could not take everything written to it.
int runReportingErrors(const char* program, const std::function<int()>& work);

}  // namespace sorvik::cli
