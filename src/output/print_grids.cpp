#include "print_grids.h"

#include <algorithm>

#include <QPainter>

#include "output/vertical_text.h"
#include "platform/utf8_text.h"

namespace sorvik::output {

namespace {

// The space kept free on either side of a power in its star column, at 15 pixels wide.
constexpr int kPowerGap = 2;

// Rectangle(L, T, R, B) of the original surface: the frame covers L..R − 1 and T..B − 1.
void frame(QPainter& painter, int left, int top, int right, int bottom) {
    painter.drawRect(left, top, right - left - 1, bottom - top - 1);
}

QRect between(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

QString pageLabel(PagePosition page, const PageCounts& counts) {
    return QStringLiteral("縦%1:横%2 /全 %3頁").arg(page.row).arg(page.column).arg(counts.total());
}

void drawTableHeading(QPainter& painter, const GridPrinter& printer, const QString& title) {
    const int x = static_cast<int>(printer.leftDots() * printer.scaleX());
    const int y = static_cast<int>(printer.topDots() * printer.scaleY());
    painter.drawText(QRect(x, y, 1 << 20, 1 << 20), Qt::AlignLeft | Qt::AlignTop,
                     title + QString(10, u' ') + pageLabel(printer.page(), printer.counts()));
}

// Tables under a heading: the whole table one row lower than its rectangles.
void drawTableCell(QPainter& painter, const GridPrinter& printer, int column, int row,
                   const CellRect& r) {
    const int h = r.bottom - r.top;
    frame(painter, r.left - 1, r.top + h - 1, r.right, r.bottom + h + 1);
    Qt::Alignment align = Qt::AlignRight;
    if (row == 0 || column == 0) {
        align = Qt::AlignHCenter;
    } else if (printer.TargetGrid->name() == QStringLiteral("HSG")) {
        align = Qt::AlignLeft;
    }
    painter.drawText(between(r.left + 2, r.top + h + 1, r.right - 2, r.bottom + h),
                     align | Qt::AlignVCenter, printer.TargetGrid->text(column, row));
}

void drawListCell(QPainter& painter, const PrintGrid& grid, int column, int row, const CellRect& r,
                  bool wrapped) {
    if (r.bottom - r.top > 1) {
        frame(painter, r.left - 1, r.top - 1, r.right, r.bottom + 1);
    }
    if (wrapped) {
        painter.drawText(between(r.left, r.top, r.right, r.bottom),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, grid.text(column, row));
    } else {
        painter.drawText(between(r.left + 2, r.top + 2, r.right, r.bottom),
                         Qt::AlignLeft | Qt::AlignTop, grid.text(column, row));
    }
}

// The chart: frames round the palaces, star colours, and the header in the centre.
class ChartPage {
  public:
    ChartPage(GridPrinter& printer, const PrintLook& look) : printer_(printer), look_(look) {}

    void begin(QPainter& painter) {
        QFont font = painter.font();
        font.setFamily(look_.chart.fontFamily);
        painter.setFont(font);
        if (printer_.counts().total() > 1 && look_.chart.tooManyPages) {
            look_.chart.tooManyPages();
        }
    }

    void cell(QPainter& painter, int column, int row, const CellRect& r) {
        const PrintGrid& grid = *printer_.TargetGrid;
        const int x = (grid.columnCount() - 1) / 4;
        const int blockRows = grid.rowCount() / 4;
        const int y = look_.chart.cells ? look_.chart.cells->shape().starRows : 0;
        QFont font = painter.font();
        font.setFamily(look_.chart.fontFamily);
        painter.setFont(font);
        // The block heights are taken from the rows of the first block as they are drawn.
        if (column == 0 && row == 0) {
            firstTop_ = r.top;
        }
        if (column == 0 && row == y) {
            infoTop_ = r.top;
            starHeight_ = infoTop_ - firstTop_;
        }
        if (column == 0 && row == blockRows - 1) {
            textHeight_ = r.bottom - infoTop_;
        }
        if (x > 0 && column % x == 0) {
            blockLeft_ = r.left;
        }
        if (column < grid.columnCount() - 1) {
            columnWidth_ = r.right - r.left;
        }
        const bool starRow = grid.text(grid.columnCount() - 1, row) == QStringLiteral("H");
        CellRect text = r;
        if (!starRow) {
            text.right += (x - 1) * columnWidth_;
        }
        const int blockColumn = x > 0 ? column / x : 0;
        const int blockRow = blockRows > 0 ? row / blockRows : 0;
        if (x > 0 && blockRows > 0 && (column + 1) % x == 0 && (row + 1) % blockRows == 0 &&
            (blockColumn == 0 || blockColumn == 3 || blockRow == 0 || blockRow == 3)) {
            painter.setPen(Qt::black);
            frame(painter, blockLeft_ - 1, r.bottom - starHeight_ - textHeight_, r.right, r.bottom);
            painter.drawLine(blockLeft_, r.bottom - textHeight_, r.right - 1,
                             r.bottom - textHeight_);
        }
        if (column == 2 * x - 1 && row == 3 * blockRows - 1) {
            centreLeft_ = r.left - x * columnWidth_;
            centreTop_ = r.bottom - 2 * (starHeight_ + textHeight_);
        }
        QColor colour = Qt::black;
        const int star = look_.chart.cells && column < look_.chart.cells->columnCount() &&
                                 row < look_.chart.cells->rowCount()
                             ? look_.chart.cells->cellStar(column, row)
                             : 0;
        if (look_.colour && starRow && star != 0 && look_.chart.starColour) {
            colour = look_.chart.starColour(star).value_or(QColor(Qt::black));
        }
        painter.setPen(colour);
        const QRect area = between(text.left, text.top, text.right, text.bottom);
        if (starRow) {
            // One character per line down the one-character column, as on screen.
            drawVerticalText(painter, area, grid.text(column, row),
                             area.width() * kPowerGap / kChartColumnWidth);
        } else {
            painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                             grid.text(column, row));
        }
        painter.setPen(Qt::black);
    }

    void end(QPainter& painter) {
        QString rest = look_.chart.header;
        QStringList pieces;
        const qsizetype blanks = rest.indexOf(QStringLiteral("  "));
        if (blanks >= 0) {
            pieces << rest.left(blanks);
            rest = rest.mid(rest.indexOf(u',', blanks) + 1);
        }
        while (!rest.isEmpty()) {
            const qsizetype comma = rest.indexOf(u',');
            pieces << (comma < 0 ? rest : rest.left(comma));
            rest = comma < 0 ? QString() : rest.mid(comma + 1);
        }
        const int w = columnWidth_;
        const int x0 = centreLeft_ + 2 * w;
        const QFontMetrics metrics(painter.font(), painter.device());
        painter.setPen(Qt::black);
        auto draw = [&](int line, int x, const QString& text) {
            painter.drawText(QRect(x, centreTop_ + line * w, 1 << 20, 1 << 20),
                             Qt::AlignLeft | Qt::AlignTop, text);
        };
        auto piece = [&](qsizetype i) { return i < pieces.size() ? pieces.at(i) : QString(); };
        // In a narrow centre the first line moves left, so that the year stays inside it. The
        // centre itself starts one column after centreLeft_ and is 2X columns wide.
        const int centreColumns = 2 * ((printer_.TargetGrid->columnCount() - 1) / 4);
        const int centreRight = centreLeft_ + (centreColumns + 1) * w;
        const int firstWidth = metrics.horizontalAdvance(piece(0) + u' ' + piece(1));
        const int x1 =
            std::max(centreLeft_ + w + w / 4, std::min(x0, centreRight - w / 2 - firstWidth));
        draw(1, x1, piece(0));
        draw(1, x1 + metrics.horizontalAdvance(piece(0) + u' '), piece(1));
        draw(2, x0, piece(2));
        draw(3, x0, piece(3));
        draw(3, x0 + metrics.horizontalAdvance(piece(3) + u' '), piece(4));
        for (int line = 4; line <= 20 && line + 1 < pieces.size(); ++line) {
            draw(line, x0, pieces.at(line + 1));
        }
    }

  private:
    GridPrinter& printer_;
    PrintLook look_;
    int firstTop_ = 0, infoTop_ = 0, starHeight_ = 0, textHeight_ = 0;
    int blockLeft_ = 0, columnWidth_ = 0, centreLeft_ = 0, centreTop_ = 0;
};

}  // namespace

int ChartPrintGrid::columnWidth(int column) const {
    return column == grid_.columnCount() - 1 ? 0 : kChartColumnWidth;
}

QString ChartPrintGrid::text(int column, int row) const {
    return qs(grid_.text(column, row));
}

std::vector<int> chartRowHeights(const strength::GridShape& shape, int characterHeight,
                                 int margin) {
    const int starHeight = 4 * characterHeight + margin - (shape.starRows == 1 ? 2 : 0);
    const int infoHeight = margin / 3 + 12;
    std::vector<int> heights;
    for (int block = 0; block < 4; ++block) {
        heights.insert(heights.end(), static_cast<std::size_t>(shape.starRows), starHeight);
        for (int row = 0; row < shape.infoRows; ++row) {
            heights.push_back(infoHeight + (row == shape.infoRows - 1 ? 1 : 0));
        }
    }
    return heights;
}

QString chartPrintHeader(const engine::Chart& chart) {
    const engine::ChartLabels& l = chart.labels;
    QString header = QStringLiteral("造命 ");
    for (const std::string* label : {&l.ZNen, &l.ZKS, &l.Name, &l.Date, &l.Inyo, &l.InDate,
                                     &l.Kyoku, &l.Kazoe, &l.Mei, &l.Sin, &l.Nat}) {
        header += qs(*label) + u',';
    }
    for (std::size_t row = 0; row < 5; ++row) {
        const auto name = [&](std::size_t i) {
            return i < chart.patterns.size() ? qs(chart.patterns[i]) : QString();
        };
        header += name(2 * row) + QStringLiteral("　") + name(2 * row + 1) + u',';
    }
    return header + u',';
}

QString chartTooLargeMessage() {
    return QStringLiteral(
        "用紙１枚に収まるように、ﾌﾟﾘﾝﾀの用紙もしくは命盤のｻｲｽﾞを変更して下さい。"
        "\n\r\n\r現在の設定では、命盤を正常に印字できません。");
}

void setUpDrawing(GridPrinter& printer, const PrintLook& look) {
    const QString kind = printer.TargetGrid ? printer.TargetGrid->name() : QString();
    if (kind == QStringLiteral("BSG")) {
        auto page = std::make_shared<ChartPage>(printer, look);
        printer.OnBeginPage = [page](QPainter& p) { page->begin(p); };
        printer.OnDrawCell = [page](QPainter& p, int c, int r, const CellRect& rect) {
            page->cell(p, c, r, rect);
        };
        printer.OnEndPage = [page](QPainter& p) { page->end(p); };
        return;
    }
    printer.OnEndPage = nullptr;
    if (kind == QStringLiteral("LSG") || kind == QStringLiteral("NSG")) {
        const bool wrapped = kind == QStringLiteral("LSG");
        printer.OnBeginPage = nullptr;
        printer.OnDrawCell = [&printer, wrapped](QPainter& p, int c, int r, const CellRect& rect) {
            drawListCell(p, *printer.TargetGrid, c, r, rect, wrapped);
        };
        return;
    }
    const QString title = look.title;
    printer.OnBeginPage = [&printer, title](QPainter& p) { drawTableHeading(p, printer, title); };
    printer.OnDrawCell = [&printer](QPainter& p, int c, int r, const CellRect& rect) {
        drawTableCell(p, printer, c, r, rect);
    };
}

}  // namespace sorvik::output
