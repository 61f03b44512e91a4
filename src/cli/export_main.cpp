// sorvik-export: the chart window's text, HTML and PDF output of a birth, for scripts. A program
// of its own so that sorvik-cli stays a console program without Qt Gui.

#include <cstdio>
#include <map>

#include <QCommandLineParser>
#include <QGuiApplication>

#include "cli/chart_export_command.h"
#include "cli/command_line.h"
#include "platform/atomic_file.h"
#include "platform/key_store.h"
#include "records/calendar_file.h"

namespace {

using namespace sorvik;

constexpr const char* kDescription =
    "The bytes the chart window's 説明文の出力, 命盤HTML出力 or PDF出力 writes for a birth,\n"
    "on standard output or into the --out file.\n"
    "\n"
    "  sorvik-export text|html|pdf --name NAME --sex 男|女 --date yyyy/mm/dd --time hh:mm\n"
    "        [--target \"yyyy/mm/dd hh:mm\"] [--out FILE]\n"
    "\n"
    "Errors are one line on standard error; the exit status is 2 for bad arguments and 1 for\n"
    "a failed computation.";

const std::map<QString, cli::ExportKind> kKinds = {{QStringLiteral("text"), cli::ExportKind::Text},
                                                   {QStringLiteral("html"), cli::ExportKind::Html},
                                                   {QStringLiteral("pdf"), cli::ExportKind::Pdf}};

}  // namespace

int main(int argc, char* argv[]) {
    // A PDF is drawn with fonts, which come with the GUI application; it draws off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(SORVIK_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const cli::Options o;
    parser.addOptions({o.data, o.name, o.sex, o.date, o.time, o.target, o.out});
    parser.addPositionalArgument("kind", "text, html or pdf.", "text|html|pdf");
    return cli::runReportingErrors("sorvik-export", [&] {
        const QStringList positional = cli::parseArguments(parser, help, version);
        if (positional.size() != 1 || !kKinds.contains(positional[0])) {
            throw cli::UsageError("give one of text, html or pdf");
        }
        const QString dataDir = cli::dataFolder(parser, o);
        const engine::CalendarTable calendar = records::LoadCalendar(dataDir);
        cli::refuseDamagedKeyStore(platform::KeyStore::defaultFilePath());
        const cli::ChartRequest request = cli::chartRequest(parser, o, calendar);
        const QByteArray bytes = cli::exportChart(
            kKinds.at(positional[0]), calendar, dataDir, platform::KeyStore::defaultFilePath(),
            request.person,
            parser.isSet(o.target) ? std::optional<engine::DateTime>(request.target) : std::nullopt,
            cli::presentMoment());
        if (parser.isSet(o.out)) {
            platform::writeFileAtomically(parser.value(o.out), bytes);
        } else {
            cli::writeStandardOutput({bytes.constData(), static_cast<std::size_t>(bytes.size())});
        }
        return 0;
    });
}
