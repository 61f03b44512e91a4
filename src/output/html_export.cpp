#include "html_export.h"

#include "platform/utf8_text.h"

namespace sorvik::output {

namespace {

const QString kRowStart = QStringLiteral("      <TR valign=\"top\">");
const QString kCellStart = QStringLiteral("      <TD>");
const QString kCellEnd = QStringLiteral("      </TD>");
const QString kShortCellEnd = QStringLiteral("  </TD>");
const QString kRowEnd = QStringLiteral("    </TR>");
const QString kInfoRowStart = QStringLiteral("    <TR>");

// A block row of four palaces (the top and the bottom of the square). The info cells but the
// last go without their end tags.
QStringList fullBlockRow(const strength::ChartGrid& grid, int firstRow) {
    const int starRows = grid.shape().starRows;
    QStringList lines{kRowStart};
    for (int column = 0; column < 4; ++column) {
        lines << kCellStart << HtmlStarLines(grid, column, firstRow) << kCellEnd;
    }
    lines << kRowEnd << kInfoRowStart;
    for (int column = 0; column < 4; ++column) {
        lines << kCellStart << HtmlInfoLines(grid, column, firstRow + starRows);
    }
    lines << kCellEnd << kRowEnd;
    return lines;
}

// A block row with palaces only at its two ends; the centre cell is given for the first.
QStringList sideBlockRow(const strength::ChartGrid& grid, int firstRow, const QString& centre) {
    const int starRows = grid.shape().starRows;
    QStringList lines{kRowStart, kCellStart};
    lines << HtmlStarLines(grid, 0, firstRow) << kCellEnd;
    if (!centre.isNull()) {
        lines << QStringLiteral(
                     "      <TD colspan=\"2\" rowspan=\"4\" valign=\"middle\" align=\"center\">")
              << centre + QStringLiteral("<BR>") << kShortCellEnd;
    }
    lines << kCellStart << HtmlStarLines(grid, 3, firstRow) << kCellEnd << kRowEnd;
    lines << kInfoRowStart << kCellStart << HtmlInfoLines(grid, 0, firstRow + starRows)
          << kShortCellEnd << kCellStart << HtmlInfoLines(grid, 3, firstRow + starRows)
          << kShortCellEnd << kRowEnd;
    return lines;
}

}  // namespace

QStringList HtmlStarLines(const strength::ChartGrid& grid, int blockColumn, int firstRow) {
    const int width = grid.shape().columns;
    QStringList lines;
    for (int row = firstRow; row < firstRow + grid.shape().starRows; ++row) {
        QString line;
        for (int column = (blockColumn + 1) * width - 1; column >= blockColumn * width; --column) {
            if (const std::string& text = grid.text(column, row); !text.empty()) {
                line += qs(text) + QStringLiteral("<BR>");
            }
        }
        lines << line;
    }
    return lines;
}

QStringList HtmlInfoLines(const strength::ChartGrid& grid, int blockColumn, int firstRow) {
    QStringList lines;
    for (int row = firstRow; row < firstRow + grid.shape().infoRows; ++row) {
        lines << qs(grid.text(blockColumn * grid.shape().columns, row)) + QStringLiteral("<BR>");
    }
    return lines;
}

QString centreText(const ChartExport& chart) {
    const engine::ChartLabels& l = chart.chart.labels;
    const QString br = QStringLiteral("<BR>");
    QString text = QStringLiteral("造命 ") + targetDateHead(chart.targetDate) +
                   QStringLiteral(" ") + qs(l.ZKS);
    for (const std::string* label :
         {&l.Name, &l.Date, &l.Inyo, &l.InDate, &l.Kyoku, &l.Kazoe, &l.Mei, &l.Sin}) {
        text += br + qs(*label);
    }
    text += br + natalTail(chart) + br + br;
    for (const QString& cell : patternCells(chart.chart)) {
        if (!cell.isEmpty()) {
            text += cell + br;
        }
    }
    return text;
}

QStringList WriteChartHtml(const ChartExport& chart, const QString& title, const QString& address) {
    const strength::ChartGrid& grid = chart.grid;
    const int blockRows = grid.shape().blockRows();
    const QString name = qs(chart.chart.labels.Name);
    QStringList lines{
        QStringLiteral("<HTML>"),
        QStringLiteral("<HEAD>"),
        QStringLiteral("<META name=\"GENERATOR\" content=\"") + title + QStringLiteral("\">"),
        QStringLiteral("<TITLE>") + name + QStringLiteral("</TITLE>"),
        QStringLiteral("</HEAD>"),
        QStringLiteral("<BODY>"),
        QStringLiteral("<P>") + name + QStringLiteral(" さんの命盤</P>"),
        QStringLiteral("<TABLE border=\"1\">"),
        QStringLiteral("  <TBODY>")};
    lines << fullBlockRow(grid, 0);
    lines << sideBlockRow(grid, blockRows, centreText(chart));
    lines << sideBlockRow(grid, 2 * blockRows, QString());
    lines << fullBlockRow(grid, 3 * blockRows);
    lines << QStringLiteral("  </TBODY>") << QStringLiteral("</TABLE>")
          << QStringLiteral("<P><A href=\"") + address +
                 QStringLiteral("\" target=\"_blank\">Created By ") + title +
                 QStringLiteral("<FONT size=\"+1\">　～Velmora～</FONT></A></P>")
          << QStringLiteral("</BODY>") << QStringLiteral("</HTML>") << QString() << QString()
          << QString();
    return lines;
}

}  // namespace sorvik::output
