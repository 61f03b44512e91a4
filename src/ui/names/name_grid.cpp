#include "name_grid.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "name_list_model.h"
#include "settings/system_settings.h"

namespace sorvik::ui {

namespace {

// Where a cell's text starts.
constexpr int kTextLeft = 3;
constexpr int kTextTop = 5;

const QColor kHeaderColour(0, 128, 128);  // teal
const QColor kNameColumnColour(128, 128, 128);

}  // namespace

NameCellDelegate::NameCellDelegate(const settings::SystemSettings& system, QObject* parent)
    : QStyledItemDelegate(parent), system_(system) {}

void NameCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QColor background = Qt::white;
    QColor text = option.palette.color(QPalette::WindowText);
    if (option.state.testFlag(QStyle::State_Selected)) {
        background = system_.palaceColour(settings::kSelectedPalace);
        text = Qt::black;
    } else if (index.column() == 0) {
        background = kNameColumnColour;
        text = Qt::white;
    }
    painter->save();
    painter->fillRect(option.rect, background);
    painter->setPen(text);
    painter->setFont(option.font);
    const QRect area = option.rect.adjusted(kTextLeft, 0, 0, 0);
    const int top = std::min(kTextTop, std::max(0, area.height() - option.fontMetrics.height()));
    painter->drawText(area.adjusted(0, top, 0, 0),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, index.data().toString());
    painter->restore();
}

NameGrid::NameGrid(records::NameList& list, const records::Headers& headers,
                   const settings::SystemSettings& system, QWidget* parent)
    : QTableView(parent), model_(new NameListModel(list, headers, this)) {
    setObjectName(QStringLiteral("NSG"));
    setModel(model_);
    setItemDelegate(new NameCellDelegate(system, this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView* header = horizontalHeader();
    header->setHighlightSections(false);
    header->setSectionsClickable(true);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setFixedHeight(kRowHeight + 2);
    header->setStyleSheet(
        QStringLiteral(
            "QHeaderView::section { background-color: %1; color: white; padding-left: 2px;"
            " border: 0px; border-right: 1px solid #c0c0c0; border-bottom: 1px solid #c0c0c0; }")
            .arg(kHeaderColour.name()));
    connect(header, &QHeaderView::sectionClicked, this, &NameGrid::headerClicked);
    makeFrozenColumn();
    applyColumnWidths();
}

void NameGrid::makeFrozenColumn() {
    frozen_ = new QTableView(this);
    frozen_->setObjectName(QStringLiteral("NameColumn"));
    frozen_->setModel(model_);
    frozen_->setSelectionModel(selectionModel());
    frozen_->setItemDelegate(itemDelegate());
    frozen_->setFocusPolicy(Qt::NoFocus);
    frozen_->setFrameStyle(QFrame::NoFrame);
    frozen_->setSelectionBehavior(selectionBehavior());
    frozen_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    frozen_->setWordWrap(false);
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->verticalHeader()->hide();
    frozen_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    frozen_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView* header = frozen_->horizontalHeader();
    header->setHighlightSections(false);
    header->setDefaultAlignment(horizontalHeader()->defaultAlignment());
    header->setFixedHeight(horizontalHeader()->height());
    header->setStyleSheet(horizontalHeader()->styleSheet());
    header->setSectionResizeMode(QHeaderView::Fixed);
    for (int column = 1; column < records::NameList::kColumns; ++column) {
        frozen_->setColumnHidden(column, true);
    }
    viewport()->stackUnder(frozen_);
    frozen_->viewport()->installEventFilter(this);
    dropLine_ = new QWidget(this);
    dropLine_->setObjectName(QStringLiteral("DropLine"));
    dropLine_->setAutoFillBackground(true);
    dropLine_->setPalette(QPalette(Qt::black));
    dropLine_->setAttribute(Qt::WA_TransparentForMouseEvents);
    dropLine_->hide();

    connect(header, &QHeaderView::sectionClicked, this, &NameGrid::headerClicked);
    connect(frozen_, &QAbstractItemView::doubleClicked, this, &QAbstractItemView::doubleClicked);
    frozen_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(frozen_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        emit customContextMenuRequested(
            viewport()->mapFromGlobal(frozen_->viewport()->mapToGlobal(at)));
    });
    connect(frozen_->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, frozen_->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
                if (column == 0) {
                    frozen_->setColumnWidth(0, width);
                    placeFrozenColumn();
                }
            });
}

void NameGrid::placeFrozenColumn() {
    frozen_->setGeometry(frameWidth(), frameWidth(), columnWidth(0),
                         viewport()->height() + horizontalHeader()->height());
}

void NameGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    placeFrozenColumn();
}

void NameGrid::applyColumnWidths() {
    // The widths were made for a font whose digits are 6 pixels wide; a wider font widens
    // every column alike, so that a date still fits its column.
    const double scale =
        std::max(1.0, QFontMetricsF(font()).horizontalAdvance(QStringLiteral("0000/00/00")) / 60.0);
    for (int column = 0; column < records::NameList::kColumns; ++column) {
        setColumnWidth(column,
                       static_cast<int>(std::lround(records::nameListColumnWidth(column) * scale)));
    }
}

void NameGrid::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        applyColumnWidths();
    }
    QTableView::changeEvent(event);
}

records::NameList& NameGrid::list() const {
    return model_->list();
}

std::pair<int, int> NameGrid::selectedBlock() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return {0, 0};
    }
    int first = rows.front().row();
    int last = first;
    for (const QModelIndex& index : rows) {
        first = std::min(first, index.row());
        last = std::max(last, index.row());
    }
    return {first, last - first + 1};
}

void NameGrid::goToRow(int row) {
    const QModelIndex index = model_->index(row, 0);
    setCurrentIndex(index);
    selectRow(row);
    scrollTo(index);
}

bool NameGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == frozen_->viewport() && rowsMovable_) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseMove:
            case QEvent::MouseButtonRelease:
                return dragRow(static_cast<QMouseEvent&>(*event));
            default:
                break;
        }
    }
    return QTableView::eventFilter(watched, event);
}

// True when the event is taken by the drag, so the name column does not select a range.
bool NameGrid::dragRow(QMouseEvent& event) {
    const int y = event.position().toPoint().y();
    switch (event.type()) {
        case QEvent::MouseButtonPress:
            if (event.button() == Qt::LeftButton) {
                pressedRow_ = frozen_->rowAt(y);
                pressedAt_ = event.position().toPoint();
                dragging_ = false;
            }
            return false;
        case QEvent::MouseMove:
            if (pressedRow_ < 0 || !(event.buttons() & Qt::LeftButton)) {
                return false;
            }
            if (!dragging_ && (event.position().toPoint() - pressedAt_).manhattanLength() <
                                  QApplication::startDragDistance()) {
                return false;
            }
            dragging_ = true;
            frozen_->viewport()->setCursor(Qt::DragMoveCursor);
            showDropLine(dropRow(y));
            return true;
        case QEvent::MouseButtonRelease: {
            if (event.button() != Qt::LeftButton || pressedRow_ < 0) {
                return false;
            }
            const int from = std::exchange(pressedRow_, -1);
            if (!std::exchange(dragging_, false)) {
                return false;
            }
            frozen_->viewport()->unsetCursor();
            dropLine_->hide();
            const int to = dropRow(y);
            if (to != from) {
                list().moveRows(from, 1, to > from ? to + 1 : to);
                goToRow(to);
                emit rowMoved(from, to);
            }
            return true;
        }
        default:
            return false;
    }
}

int NameGrid::dropRow(int y) {
    const int last = model_->rowCount() - 1;
    if (y < 0) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return std::max(0, rowAt(0));
    }
    if (y >= viewport()->height()) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        const int bottom = rowAt(viewport()->height() - 1);
        return bottom < 0 ? last : bottom;
    }
    const int row = rowAt(y);
    return row < 0 ? last : row;
}

void NameGrid::showDropLine(int row) {
    // The person will stand in the row: the line marks the edge it comes in at.
    const int edge = rowViewportPosition(row) + (row > pressedRow_ ? rowHeight(row) - 1 : 0) - 1;
    dropLine_->setGeometry(frameWidth(), frameWidth() + horizontalHeader()->height() + edge,
                           viewport()->width(), 3);
    dropLine_->raise();
    dropLine_->show();
}

}  // namespace sorvik::ui
