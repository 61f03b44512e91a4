#include "chart_export_command.h"

#include <QDir>
#include <QFont>
#include <QFontMetrics>

#include "output/chart_build.h"
#include "output/chart_pdf.h"
#include "output/html_export.h"
#include "output/print_grids.h"
#include "output/text_export.h"
#include "platform/errors.h"
#include "platform/key_store.h"
#include "platform/program_key.h"
#include "platform/text_file.h"
#include "settings/gaiji.h"
#include "settings/system_settings.h"
#include "settings/zi_wei_settings.h"
#include "texts/live_texts.h"

namespace sorvik::cli {

namespace {

constexpr int kChartFontPixels = 12;

QByteArray chartPdfBytes(const output::BuiltChart& built, const settings::SystemSettings& system) {
    QFont font(system.font(settings::kChartFont).name);
    font.setPixelSize(kChartFontPixels);
    const output::ChartPrintGrid grid(
        built.grid,
        output::chartRowHeights(built.grid.shape(), QFontMetrics(font).height(),
                                system.verticalMargin()),
        font);
    const output::ChartPrinting printing{output::chartPrintHeader(built.chart), &built.grid,
                                         [&system](int star) { return system.starColour(star); },
                                         system.font(settings::kChartPrintFont).name, nullptr};
    return output::chartPdf(grid, {QString(), true, printing});
}

}  // namespace

QByteArray exportChart(ExportKind kind, const engine::CalendarTable& calendar,
                       const QString& dataDir, const QString& keyStorePath,
                       const engine::BirthMoment& person,
                       const std::optional<engine::DateTime>& target, const engine::DateTime& now) {
    const QString appDir = QDir(dataDir).absolutePath() + u'/';
    platform::KeyStore keys(keyStorePath);
    const settings::SjisCodeResult special =
        settings::ParseSjisCode(settings::storedSpecialCharCode(keys));
    const engine::StarDisplayNames names =
        engine::BuildStarDisplayNames(special.character.toStdString());
    settings::ZiWeiSettings ziwei(appDir, keys, names);
    ziwei.startUp();
    settings::SystemSettings system(appDir, keys, names);
    system.setSettingsFileName(settings::chooseSettingsFileName(
        appDir,
        keys.readText(platform::programKey(QStringLiteral("Sys")), QStringLiteral("DefSysFile"))));
    system.LoadSettings();
    system.loadFonts();

    const engine::DateTime birth = engine::BirthMomentOf(person);
    const engine::DateTime when =
        target ? *target : settings::chooseDefaultTargetDate(system, birth, now).moment;
    const output::BuiltChart built =
        output::buildChart(calendar, names, ziwei, system, person, when);
    const output::ChartExport chart{built.chart, built.grid, ziwei.palaceNameTable(),
                                    person,      when,       names};
    switch (kind) {
        case ExportKind::Text: {
            const texts::LiveTexts texts = texts::readLiveTexts(appDir);
            const output::DescriptionText text =
                output::descriptionText(chart, {appDir, texts, names});
            if (text.fileError) {
                throw platform::FileError(*text.fileError);
            }
            return platform::encodeSjisLines(text.lines);
        }
        case ExportKind::Html:
            return platform::encodeSjisLines(output::WriteChartHtml(chart));
        case ExportKind::Pdf:
            return chartPdfBytes(built, system);
    }
    return {};
}

}  // namespace sorvik::cli
