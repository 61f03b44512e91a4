// The chart window's output commands and the print preview, on real windows of a real start-up
// over the shipped tables, settings and texts.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include "cli/chart_export_command.h"
#include "output/print_grids.h"
#include "platform/atomic_file.h"
#include "platform/clock.h"
#include "platform/program_key.h"
#include "settings/system_settings.h"
#include "shell_fixture.h"
#include "texts/text_files.h"
#include "ui/chart/chart_grid_view.h"
#include "ui/chart/chart_window.h"
#include "ui/detail/detail_grid.h"
#include "ui/detail/palace_detail_window.h"
#include "ui/editors/description_list.h"
#include "ui/entry/entry_bar.h"
#include "ui/names/name_grid.h"
#include "ui/names/name_list_window.h"
#include "ui/print/print_preview.h"
#include "ui/print/table_print_grid.h"
#include "ui/settings/settings_windows.h"
#include "ui/settings/system_settings_dialog.h"
#include "ui/settings/zi_wei_settings_dialog.h"
#include "ui/shell/app_context.h"
#include "ui/shell/chart_requests.h"
#include "ui/shell/startup.h"
#include "ui/star_list/star_list_window.h"

namespace sorvik::ui {
namespace {

using platform::Answer;
using platform::Prompts;

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void savePicture(const QImage& image, const QString& name) {
    QDir().mkpath(QStringLiteral("/work/pictures/output"));
    image.save(QStringLiteral("/work/pictures/output/") + name);
}

// The worked chart 山田太郎, 1984/02/02 12:00 男, seen on 1985/3/1 12:00; exports go into a
// folder of their own and the viewer is a script that notes what it was asked to open.
class ChartOutputTest : public ::testing::Test {
  protected:
    ChartOutputTest() {
        platform::Clock::setNow(QDateTime(QDate(1985, 3, 1), QTime(12, 0)));
        shell.copyShippedFiles(SORVIK_DATA_DIR, SORVIK_BIN_DIR);
        window = shell.startWindows();
        QDir(shell.dir.path()).mkpath("out");
        outDir = shell.dir.filePath("out");
        viewer = shell.dir.filePath("viewer.sh");
        QFile script(viewer);
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\necho \"$1\" >> \"$(dirname \"$0\")/opened.txt\"\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        system().setMeiFolder(outDir);
        system().setMeiExeName(viewer);
        system().setMeiExeHtml(viewer);
        Prompts::clearShownBoxes();
    }
    ~ChartOutputTest() override { platform::Clock::setNow({}); }

    QString path(const QString& name) const { return QDir(shell.appDir).filePath(name); }
    settings::SystemSettings& system() const { return shell.context().systemSettings(); }
    TMeibF* workedChart() {
        EntBar& bar = shell.windows->requests.entryBar();
        bar.nameBox()->setEditText("山田太郎");
        bar.sexBox()->setCurrentIndex(0);
        bar.dateBox()->setText("1984/02/02");
        bar.timeBox()->setText("12:00");
        bar.MeiBtnClick();
        return qobject_cast<TMeibF*>(window->mdiArea()->subWindowList().last()->widget());
    }
    // What the viewer was started with, once it has had time to run.
    QString opened() const {
        const QString notes = shell.dir.filePath("opened.txt");
        for (int i = 0; i < 100 && !QFile::exists(notes); ++i) {
            QTest::qWait(20);
        }
        return QString::fromUtf8(fileBytes(notes)).trimmed();
    }
    QByteArray cliBytes(cli::ExportKind kind, const TMeibF& chart) const {
        return cli::exportChart(kind, shell.context().calendar(), shell.appDir,
                                shell.dir.filePath("registry.ini"),
                                {"山田太郎", engine::Sex::Male, "1984/02/02", "12:00"},
                                chart.targetDate(), {{1985, 3, 1}, 12, 0});
    }

    testing::ShellFixture shell;
    std::unique_ptr<TMainF> window;
    QString outDir;
    QString viewer;
};

TEST_F(ChartOutputTest, WindowCliAndFixturesAgreeByteForByte) {
    TMeibF* chart = workedChart();
    chart->SOutClick();
    const QString text = QDir(outDir).filePath("氏名：山田太郎.txt");
    EXPECT_EQ(opened(), text);
    chart->HTML1Click();
    const QString html = QDir(outDir).filePath("氏名：山田太郎.html");
    EXPECT_TRUE(Prompts::shownTexts().isEmpty()) << Prompts::shownTexts().join('\n').toStdString();

    const QByteArray textBytes = fileBytes(text);
    const QByteArray htmlBytes = fileBytes(html);
    EXPECT_EQ(textBytes, fileBytes(SORVIK_FIXTURES "/worked_chart.txt"));
    EXPECT_EQ(htmlBytes, fileBytes(SORVIK_FIXTURES "/worked_chart.html"));
    EXPECT_EQ(cliBytes(cli::ExportKind::Text, *chart), textBytes);
    EXPECT_EQ(cliBytes(cli::ExportKind::Html, *chart), htmlBytes);
}

TEST_F(ChartOutputTest, NoToOverwritingWritesAndOpensNothing) {
    TMeibF* chart = workedChart();
    const QString text = QDir(outDir).filePath("氏名：山田太郎.txt");
    const QString html = QDir(outDir).filePath("氏名：山田太郎.html");
    platform::writeFileAtomically(text, "old");
    platform::writeFileAtomically(html, "old");
    Prompts::queueAnswer(Answer::No);
    chart->SOutClick();
    Prompts::queueAnswer(Answer::No);
    chart->HTML1Click();
    EXPECT_EQ(Prompts::shownTexts(), (QStringList{"氏名：山田太郎.txtを上書きしますか？",
                                                  "氏名：山田太郎.html を上書きしますか？"}));
    EXPECT_EQ(fileBytes(text), "old");
    EXPECT_EQ(fileBytes(html), "old");
    QTest::qWait(200);
    EXPECT_FALSE(QFile::exists(shell.dir.filePath("opened.txt")));

    Prompts::queueAnswer(Answer::Yes);
    chart->SOutClick();
    EXPECT_NE(fileBytes(text), "old");
}

TEST_F(ChartOutputTest, MissingOutputFolderIsToldAndNothingIsWritten) {
    TMeibF* chart = workedChart();
    system().setMeiFolder(shell.dir.filePath("gone"));
    chart->HTML1Click();
    EXPECT_EQ(Prompts::shownTexts(),
              QStringList{"指定したフォルダがありません。\n\r[システム設定][基本設定]"
                          "[出力時の保存ﾌｫﾙﾀﾞ]を確認してください。"});
    EXPECT_FALSE(QFile::exists(shell.dir.filePath("gone")));
}

// A fresh account has no documents folder yet: the default output folder is made at the first
// export, and the export goes there.
TEST_F(ChartOutputTest, TheDefaultOutputFolderIsMadeOnTheFirstExport) {
    TMeibF* chart = workedChart();
    const QByteArray home = qgetenv("HOME");
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", shell.dir.filePath("fresh").toUtf8());
    qunsetenv("XDG_CONFIG_HOME");
    const QString documents = settings::SystemSettings::defaultOutputFolder();
    system().setMeiFolder(documents);
    chart->SOutClick();
    EXPECT_TRUE(Prompts::shownTexts().isEmpty()) << Prompts::shownTexts().join('\n').toStdString();
    EXPECT_EQ(opened(), QDir(documents).filePath("氏名：山田太郎.txt"));
    qputenv("HOME", home);
    if (!config.isEmpty()) {
        qputenv("XDG_CONFIG_HOME", config);
    }
    EXPECT_TRUE(documents.startsWith(shell.dir.filePath("fresh")));
}

TEST_F(ChartOutputTest, CopyPdfAndThePreviewOfTheChart) {
    TMeibF* chart = workedChart();
    chart->CopyBtnClick();
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_FALSE(copied.isNull());
    savePicture(copied, "chart_copy.png");

    system().setMeiExeHtml(viewer);
    chart->PdfClick();
    const QByteArray pdf = fileBytes(QDir(outDir).filePath("氏名：山田太郎.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    QFile out(QStringLiteral("/work/pictures/output/chart.pdf"));
    if (out.open(QIODevice::WriteOnly)) {
        out.write(pdf);
    }

    const output::ChartPrintGrid grid(chart->grid(), chart->rowHeights(),
                                      chart->gridView()->font());
    output::PrintLook look{QString(),
                           true,
                           {chart->printHeader(), &chart->grid(),
                            [this](int star) { return system().starColour(star); },
                            system().font(settings::kChartPrintFont).name, nullptr}};
    TPrevF preview({&shell.context().keys(), shell.appDir, &system()}, grid, look);
    preview.show();
    EXPECT_EQ(preview.pageLabel(), "縦1:横1 /全 1頁");
    EXPECT_FALSE(preview.button("NextBtn")->isEnabled());
    EXPECT_FALSE(preview.button("PrevBtn")->isEnabled());
    EXPECT_TRUE(preview.zoomBox()->isEnabled());
    savePicture(preview.pageImage(), "chart_page.png");
    savePicture(preview.grab().toImage(), "chart_preview.png");
    preview.colourBox()->click();
    savePicture(preview.pageImage(), "chart_page_black.png");
}

TEST_F(ChartOutputTest, PrintButtonsOpenTheModalPreview) {
    TMeibF* chart = workedChart();
    QStringList seen;
    const auto closeNextPreview = [&seen] {
        QTimer::singleShot(0, [&seen] {
            if (auto* preview = qobject_cast<TPrevF*>(QApplication::activeModalWidget())) {
                seen << preview->windowTitle() + u' ' + preview->pageLabel();
                preview->reject();
            }
        });
    };
    closeNextPreview();
    chart->button("PrtBtn")->click();
    auto* names = window->findChild<TNListF*>();
    closeNextPreview();
    names->printButton()->click();
    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(seen[0], "印刷ﾌﾟﾚﾋﾞｭｰ 縦1:横1 /全 1頁");
    // The name list's 38 columns run across several pages.
    EXPECT_TRUE(seen[1].startsWith("印刷ﾌﾟﾚﾋﾞｭｰ 縦1:横1 /全 ")) << seen[1].toStdString();
    EXPECT_FALSE(seen[1].endsWith(" 1頁"));
    EXPECT_TRUE(fileBytes(path("TQLX4.ini")).contains("[PrevF]"));
}

// In a six-column centre the whole target date stands before the year, which is white on teal
// like the date.
TEST_F(ChartOutputTest, ANarrowCentreShowsTheWholeTargetDateBesideTheYear) {
    system().setBanXCount(0);
    platform::Clock::setNow(QDateTime(QDate(2026, 12, 28), QTime(23, 59)));
    TMeibF* window = workedChart();
    QLabel* date = window->label("ZNen");
    QLabel* year = window->label("ZKS");
    ASSERT_EQ(date->text(), "2026/12/28 23:59  ");
    window->findChild<QWidget*>("ZPnl")->layout()->activate();
    EXPECT_GE(date->width(), date->fontMetrics().horizontalAdvance(date->text().trimmed()));
    EXPECT_LE(date->geometry().right(), year->geometry().left());
    EXPECT_GE(year->width(), year->fontMetrics().horizontalAdvance(year->text().trimmed()));
    // Drawn as it is seen: some of the year's pixels are white, none black.
    const QImage drawn = window->findChild<QWidget*>("ZPnl")->grab(year->geometry()).toImage();
    bool white = false;
    bool black = false;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor c = drawn.pixelColor(x, y);
            white |= c.red() > 230 && c.green() > 230 && c.blue() > 230;
            black |= c.red() < 40 && c.green() < 40 && c.blue() < 40;
        }
    }
    EXPECT_TRUE(white);
    EXPECT_FALSE(black);
}

TEST_F(ChartOutputTest, DescriptionListAndStarListPreviews) {
    auto* list = window->findChild<TSListF*>();
    ASSERT_NE(list, nullptr);
    list->fill(
        {{"No.", "星", "説明"},
         {{"1", "紫微", "帝王の星。/r二行目の説明が続きます。"}, {"2", "天機", "知恵の星。"}},
         1,
         {40, 80},
         true});
    list->resize(600, 300);
    const TablePrintGrid lsg("LSG", *list->grid());
    TPrevF listPreview({&shell.context().keys(), shell.appDir, &system()}, lsg, {"", true, {}});
    listPreview.show();
    savePicture(listPreview.pageImage(), "description_list_page.png");

    TSeiLF starList(shell.appDir, shell.context().starNames(),
                    shell.context().liveTexts()->starLines, system());
    EXPECT_TRUE(starList.previewButton()->isEnabled());
    const TablePrintGrid hsg("HSG", *starList.grid());
    TPrevF starPreview({&shell.context().keys(), shell.appDir, &system()}, hsg,
                       {starList.windowTitle(), true, {}});
    starPreview.show();
    EXPECT_GT(starPreview.gridPrinter().counts().total(), 1);
    savePicture(starPreview.pageImage(), "star_list_page.png");
}

TEST_F(ChartOutputTest, TablePreviewPagesAndStoredMargins) {
    QStandardItemModel model(120, 12);
    model.setHorizontalHeaderLabels(
        {"星", "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌"});
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < model.columnCount(); ++column) {
            model.setItem(row, column, new QStandardItem(QString::number(row * 10 + column)));
        }
    }
    QTableView view;
    view.setModel(&model);
    view.verticalHeader()->hide();
    const TablePrintGrid grid("SG1", view);
    shell.context().keys().writeText(platform::programKey("PRN"), "TopMgn", "20");
    {
        TPrevF preview({&shell.context().keys(), shell.appDir, &system()}, grid,
                       {"諸星力量", true, {}});
        preview.show();
        EXPECT_EQ(preview.marginBox("TopMgn")->value(), 20);
        EXPECT_FALSE(preview.zoomBox()->isEnabled());
        const int total = preview.gridPrinter().counts().total();
        ASSERT_GT(total, 1);
        const QString first = preview.pageLabel();
        EXPECT_EQ(first, QStringLiteral("縦1:横1 /全 %1頁").arg(total));
        EXPECT_FALSE(preview.button("PrevBtn")->isEnabled());
        preview.PrevBtnClick();
        EXPECT_EQ(preview.pageLabel(), first);
        preview.NextBtnClick();
        EXPECT_EQ(preview.pageLabel(), QStringLiteral("縦2:横1 /全 %1頁").arg(total));
        EXPECT_TRUE(preview.button("PrevBtn")->isEnabled());
        savePicture(preview.pageImage(), "table_page2.png");
        savePicture(preview.grab().toImage(), "table_preview.png");
        preview.marginBox("LeftMgn")->setValue(15);
        preview.reject();
    }
    EXPECT_EQ(shell.context().keys().readText(platform::programKey("PRN"), "LeftMgn"), "15");
    EXPECT_EQ(shell.context().keys().readText(platform::programKey("Zoom"), "Zoom"), "0");
    EXPECT_TRUE(fileBytes(path("TQLX4.ini")).contains("[PrevF]"));

    // A stored place off the screen is replaced by the centre.
    platform::writeFileAtomically(path("TQLX4.ini"),
                                  "[PrevF]\r\nWinState=0\r\nLeft=9000\r\nTop=9000\r\n"
                                  "Height=400\r\nWidth=600\r\n");
    TPrevF moved({&shell.context().keys(), shell.appDir, &system()}, grid, {"", true, {}});
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(moved.size(), QSize(600, 400));
    EXPECT_EQ(moved.geometry().center(), screen.center());
}

// Every cell each page of a table draws, on A4 at 600 dpi.
struct DrawnCell {
    int column, row;
    QString text;
    output::CellRect rect;
};
std::vector<std::vector<DrawnCell>> drawnPages(const TablePrintGrid& grid) {
    output::GridPrinter printer;
    printer.TargetGrid = &grid;
    printer.margins = {10, 10, 10, 10};
    output::setUpDrawing(printer, {QStringLiteral("表"), true, {}});
    std::vector<std::vector<DrawnCell>> pages;
    const output::GridPrinter::CellEvent draw = printer.OnDrawCell;
    printer.OnDrawCell = [&](QPainter& painter, int column, int row, const output::CellRect& r) {
        pages.back().push_back({column, row, grid.text(column, row), r});
        draw(painter, column, row, r);
    };
    printer.paginate({600, 600, 4960, 7016});
    for (int column = 1; column <= printer.counts().columns; ++column) {
        for (int row = 1; row <= printer.counts().rows; ++row) {
            pages.emplace_back();
            printer.setPage({column, row});
            printer.renderPage();
        }
    }
    return pages;
}

// The settings tables print with the titles of their rows and columns on every page, as
// their grids show them on screen.
TEST_F(ChartOutputTest, SettingsTablesPrintTheirRowAndColumnTitlesOnEveryPage) {
    TUSysF& ziWei = shell.windows->settings.ziWeiDialog();
    ziWei.show();
    ziWei.tabs()->setCurrentIndex(1);
    const settings::ZiWeiSettings& store = ziWei.store();
    const TablePrintGrid powers("SG", *ziWei.gridView(settings::Grid::Powers));
    const auto powerPages = drawnPages(powers);
    ASSERT_GT(powerPages.size(), 1u);
    for (std::size_t page = 0; page < powerPages.size(); ++page) {
        const std::vector<DrawnCell>& cells = powerPages[page];
        ASSERT_GE(cells.size(), 13u);
        EXPECT_EQ(cells[1].text, "子") << page;
        EXPECT_EQ(cells[12].text, "亥") << page;
        for (const DrawnCell& cell : cells) {
            if (cell.column == 0 && cell.row > 0) {
                EXPECT_EQ(cell.text, store.cell(settings::Grid::Powers, cell.row, 0)) << page;
            }
        }
        EXPECT_EQ(std::count_if(cells.begin(), cells.end(),
                                [](const DrawnCell& c) { return c.column == 0 && c.row > 0; }) *
                      13,
                  static_cast<long>(cells.size()) - 13)
            << page;
    }
    // Page 2 goes on where page 1 ended, under the star names.
    EXPECT_EQ(powerPages[1][13].text,
              store.cell(settings::Grid::Powers, powerPages[0].back().row + 1, 0));

    // 数値設定: no empty title row; a section header spans both columns.
    ziWei.tabs()->setCurrentIndex(0);
    const TablePrintGrid numbers("SG", *ziWei.gridView(settings::Grid::Numbers));
    EXPECT_EQ(numbers.fixedRows(), 0);
    const std::vector<DrawnCell> numberCells = drawnPages(numbers).at(0);
    EXPECT_EQ(numberCells[0].row, 0);
    EXPECT_TRUE(numberCells[0].text.startsWith("●三方四正の")) << numberCells[0].text.toStdString();
    EXPECT_EQ(numberCells[1].row, 1);  // the header's second cell is taken into the first
    EXPECT_EQ(numberCells[0].rect.right, numberCells[2].rect.right);
    ziWei.close();

    TSysF& system = shell.windows->settings.systemDialog();
    system.show();
    system.tabs()->setCurrentIndex(1);
    const TablePrintGrid info("SG", *system.infoTable());
    const std::vector<DrawnCell> infoCells = drawnPages(info).at(0);
    QStringList rowTitles;
    for (const DrawnCell& cell : infoCells) {
        if (cell.column == 0 && cell.row > 0) {
            rowTitles << cell.text;
        }
    }
    EXPECT_EQ(rowTitles, QStringList({"１行目", "２行目", "３行目", "４行目", "５行目"}));

    system.tabs()->setCurrentIndex(2);
    const TablePrintGrid stars("SG", *system.starTable());
    // The colour itself stays hidden: only its number as shown is printed.
    EXPECT_EQ(stars.columnCount(), settings::kStarDisplayColumns - 1);
    const std::vector<DrawnCell> starCells = drawnPages(stars).at(1);
    EXPECT_EQ(starCells[0].text,
              system.starTable()->model()->headerData(0, Qt::Horizontal).toString());
    system.close();

    const QString folder = qEnvironmentVariable("SORVIK_PICTURES");
    if (folder.isEmpty() || !QPrinterInfo::availablePrinterNames().isEmpty()) {
        return;
    }
    ziWei.show();
    for (const auto& [grid, name] :
         {std::pair{&powers, "powers"}, std::pair{&numbers, "numbers"},
          std::pair{&info, "info_rows"}, std::pair{&stars, "star_display"}}) {
        TPrevF preview({&shell.context().keys(), shell.appDir, &this->system()}, *grid,
                       {QString::fromLatin1(name), true, {}});
        preview.show();
        Prompts::queueFileName(QDir(folder).filePath(QString::fromLatin1(name) + ".pdf"));
        EXPECT_TRUE(preview.PrintBtnClick());
    }
}

TEST_F(ChartOutputTest, PrintingWithoutPrinterWritesAPdfOfEveryPage) {
    QStandardItemModel model(200, 3);
    QTableView view;
    view.setModel(&model);
    view.verticalHeader()->hide();
    const TablePrintGrid grid("NSG", view);
    TPrevF preview({&shell.context().keys(), shell.appDir, &system()}, grid, {"", true, {}});
    preview.show();
    const QString pdf = shell.dir.filePath("printed.pdf");
    Prompts::queueFileName(pdf);
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
        GTEST_SKIP() << "this system has a printer";
    }
    ASSERT_TRUE(preview.PrintBtnClick());
    const QByteArray bytes = fileBytes(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"),
              preview.gridPrinter().counts().total());
}

TEST_F(ChartOutputTest, ListPreviewsOfTheNameListAndThePalaceStars) {
    TMeibF* chart = workedChart();
    chart->selectPalace(engine::Branch::Shen);
    auto* detail = window->findChild<TKyuSF*>();
    ASSERT_NE(detail, nullptr);
    EXPECT_TRUE(detail->starTablePrintTitle().startsWith("＜氏名：山田太郎＞命　宮 "))
        << detail->starTablePrintTitle().toStdString();
    const TablePrintGrid stars("HSG", *detail->starTable());
    TPrevF starPreview({&shell.context().keys(), shell.appDir, &system()}, stars,
                       {detail->starTablePrintTitle(), true, {}});
    starPreview.show();
    savePicture(starPreview.pageImage(), "star_table_page.png");

    auto* names = window->findChild<TNListF*>();
    ASSERT_NE(names, nullptr);
    EXPECT_TRUE(names->printButton()->isEnabled());
    const TablePrintGrid list("NSG", *names->grid());
    TPrevF listPreview({&shell.context().keys(), shell.appDir, &system()}, list, {"", true, {}});
    listPreview.show();
    EXPECT_EQ(listPreview.gridPrinter().counts().rows, 1);
    EXPECT_GT(listPreview.gridPrinter().counts().columns, 1);  // 38 columns run across pages
    savePicture(listPreview.pageImage(), "name_list_page.png");
}

}  // namespace
}  // namespace sorvik::ui
