// The chart window's output commands and the print preview, on real windows of a real start-up
// over the shipped tables, settings and texts.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStandardItemModel>
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
    const TablePrintGrid lsg("LSG", *list->grid()->model(), list->grid());
    TPrevF listPreview({&shell.context().keys(), shell.appDir, &system()}, lsg, {"", true, {}});
    listPreview.show();
    savePicture(listPreview.pageImage(), "description_list_page.png");

    TSeiLF starList(shell.appDir, shell.context().starNames(),
                    shell.context().liveTexts()->starLines, system());
    EXPECT_TRUE(starList.previewButton()->isEnabled());
    const TablePrintGrid hsg("HSG", *starList.grid()->model(), starList.grid());
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
    const TablePrintGrid grid("SG1", model);
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

TEST_F(ChartOutputTest, PrintingWithoutPrinterWritesAPdfOfEveryPage) {
    QStandardItemModel model(200, 3);
    const TablePrintGrid grid("NSG", model);
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
    const TablePrintGrid stars("HSG", *detail->starTable()->model(), detail->starTable());
    TPrevF starPreview({&shell.context().keys(), shell.appDir, &system()}, stars,
                       {detail->starTablePrintTitle(), true, {}});
    starPreview.show();
    savePicture(starPreview.pageImage(), "star_table_page.png");

    auto* names = window->findChild<TNListF*>();
    ASSERT_NE(names, nullptr);
    EXPECT_TRUE(names->printButton()->isEnabled());
    const TablePrintGrid list("NSG", *names->grid()->model(), names->grid());
    TPrevF listPreview({&shell.context().keys(), shell.appDir, &system()}, list, {"", true, {}});
    listPreview.show();
    EXPECT_EQ(listPreview.gridPrinter().counts().rows, 1);
    EXPECT_GT(listPreview.gridPrinter().counts().columns, 1);  // 38 columns run across pages
    savePicture(listPreview.pageImage(), "name_list_page.png");
}

}  // namespace
}  // namespace sorvik::ui
