#include "description_list.h"

#include <algorithm>

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor_look.h"
#include "platform/prompts.h"
#include "ui/common/error_boundary.h"
#include "ui/help/help_window.h"
#include "ui/print/print_preview.h"

namespace sorvik::ui {

namespace {

using platform::Prompts;

// Lists with more columns than this are the combination list, which edits its records.
constexpr int kPlainListColumns = 3;
constexpr int kLeastLastWidth = 60;

}  // namespace

TSListF::TSListF(const QString& appDir, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SListF"));
    setWindowTitle(QStringLiteral("説明文の一覧"));
    resize(640, 480);

    model_ = new DescriptionListModel(this);
    lsg_ = new QTableView(this);
    lsg_->setObjectName(QStringLiteral("LSG"));
    lsg_->setModel(model_);
    lsg_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lsg_->setWordWrap(true);
    lsg_->verticalHeader()->hide();
    lsg_->horizontalHeader()->setHighlightSections(false);
    lsg_->setContextMenuPolicy(Qt::CustomContextMenu);
    lsg_->viewport()->installEventFilter(this);

    fold_ = new QCheckBox(QStringLiteral("折り返し表示"), this);
    fold_->setObjectName(QStringLiteral("FoldCB"));
    auto* fontButton = makeFontButton(this);
    preview_ = makePreviewButton(this);
    connect(preview_, &QToolButton::clicked, this, [this] {
        runUserCommand([this] { showTablePreview(QStringLiteral("LSG"), QString(), *lsg_, this); });
    });
    auto* closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    closeButton->setObjectName(QStringLiteral("CloseBtn"));
    auto* helpButton = new QPushButton(QStringLiteral("ﾍﾙﾌﾟ(&H)"), this);
    helpButton->setObjectName(QStringLiteral("HelpBtn"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(fontButton);
    bar->addWidget(preview_);
    bar->addWidget(fold_);
    bar->addStretch();
    bar->addWidget(closeButton);
    bar->addWidget(helpButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(lsg_, 1);

    rowMenu_ = new QMenu(this);
    rowMenu_->setObjectName(QStringLiteral("PopupMenu1"));
    connect(rowMenu_->addAction(QStringLiteral("編集(&E)")), &QAction::triggered, this,
            [this] { editRow(menuRow_); });
    connect(rowMenu_->addAction(QStringLiteral("削除(&D)")), &QAction::triggered, this,
            [this] { deleteRow(menuRow_); });

    connect(fold_, &QCheckBox::toggled, this, &TSListF::fitRows);
    connect(fontButton, &QToolButton::clicked, this, &TSListF::chooseFont);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(lsg_, &QTableView::customContextMenuRequested, this, &TSListF::showRowMenu);
    connect(lsg_->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { fitRows(); });
    connectHelp(*this, appDir, kHelpTopic, helpButton);
}

void TSListF::fill(DescriptionList list, RecordActions actions) {
    actions_ = std::move(actions);
    const bool fold = list.fold;
    const QList<int> widths = list.widths;
    model_->setList(std::move(list));
    // The set widths are for the classic small font; a column never cuts its own names.
    const QFontMetrics metrics(lsg_->font());
    for (int column = 0; column < widths.size(); ++column) {
        int widest = metrics.horizontalAdvance(model_->list().heading.value(column));
        for (const QStringList& cells : model_->list().rows) {
            widest = std::max(widest, metrics.horizontalAdvance(cells.value(column)));
        }
        lsg_->setColumnWidth(column, std::max(widths.at(column), fittedColumnWidth(*lsg_, widest)));
    }
    const bool records = model_->columnCount() > kPlainListColumns;
    lsg_->viewport()->setCursor(records ? Qt::PointingHandCursor : Qt::ArrowCursor);
    {
        const QSignalBlocker quiet(fold_);
        fold_->setChecked(fold);
    }
    fitRows();
    // The view is kept from list to list; each list opens at its first row.
    lsg_->scrollToTop();
    lsg_->horizontalScrollBar()->setValue(0);
}

void TSListF::showList(DescriptionList list, RecordActions actions) {
    fill(std::move(list), std::move(actions));
    exec();
}

void TSListF::fitRows() {
    const int last = model_->columnCount() - 1;
    if (last < 0) {
        return;
    }
    if (fitting_) {
        return;
    }
    fitting_ = true;
    const auto done = qScopeGuard([this] { fitting_ = false; });
    // The last column takes the remaining width.
    int others = 0;
    for (int column = 0; column < last; ++column) {
        others += lsg_->columnWidth(column);
    }
    lsg_->setColumnWidth(last, std::max(kLeastLastWidth, lsg_->viewport()->width() - others));
    const QFontMetrics metrics(lsg_->font());
    const int headingHeight = lsg_->horizontalHeader()->sizeHint().height();
    // Unfolded, a cell is one line; a wrapped second line would show its top in the row.
    lsg_->setWordWrap(fold_->isChecked());
    // The cell keeps a margin round its text.
    const int lastWidth = std::max(1, lsg_->columnWidth(last) - (fittedColumnWidth(*lsg_, 0) - 6));
    for (int row = 0; row < model_->rowCount(); ++row) {
        if (!fold_->isChecked()) {
            lsg_->setRowHeight(row, headingHeight);
            continue;
        }
        const QString text = model_->list().rows.at(row).value(last);
        if (text.isEmpty()) {
            lsg_->setRowHeight(row, 0);
            continue;
        }
        const int byWidth =
            (metrics.height() + 1) * (metrics.horizontalAdvance(text) / lastWidth + 1);
        // Folding at word ends can take a line more than the text's width says.
        lsg_->resizeRowToContents(row);
        lsg_->setRowHeight(row, std::max(byWidth, lsg_->rowHeight(row)));
    }
}

bool TSListF::eventFilter(QObject* watched, QEvent* event) {
    // The last column takes the rest of the width, which changes with the dialog and with the
    // scroll bar coming and going.
    if (watched == lsg_->viewport() && event->type() == QEvent::Resize) {
        fitRows();
    }
    return QDialog::eventFilter(watched, event);
}

void TSListF::takeFont(const QFont& font) {
    lsg_->setFont(font);
    lsg_->horizontalHeader()->setFont(font);
    const QFontMetrics metrics(font);
    for (int row = 0; row < model_->rowCount(); ++row) {
        lsg_->setRowHeight(row, metrics.height() + 4);
    }
    for (int column = 0; column < model_->columnCount(); ++column) {
        int widest = metrics.horizontalAdvance(model_->list().heading.value(column));
        for (const QStringList& cells : model_->list().rows) {
            widest = std::max(widest, metrics.horizontalAdvance(cells.value(column)));
        }
        lsg_->setColumnWidth(column, fittedColumnWidth(*lsg_, widest));
    }
}

void TSListF::chooseFont() {
    if (const auto font = platform::Prompts::chooseFont(this, lsg_->font(), false)) {
        takeFont(*font);
    }
}

void TSListF::showRowMenu(const QPoint& position) {
    const QModelIndex index = lsg_->indexAt(position);
    if (model_->columnCount() <= kPlainListColumns || !index.isValid()) {
        return;
    }
    menuRow_ = index.row();
    rowMenu_->popup(lsg_->viewport()->mapToGlobal(position));
}

void TSListF::editRow(int row) {
    if (row < 0 || row >= model_->rowCount() || !actions_.edit) {
        return;
    }
    runUserCommand([&] { actions_.edit(row); });
    accept();
}

void TSListF::deleteRow(int row) {
    if (row < 0 || row >= model_->rowCount() || !actions_.remove) {
        return;
    }
    const QStringList& cells = model_->list().rows.at(row);
    if (cells.value(0).isEmpty()) {
        return;
    }
    QString named;
    for (int column = 0; column < 5; ++column) {
        named += cells.value(column) + u' ';
    }
    Prompts::beep();
    if (!Prompts::askYesNo(
            platform::BoxStyle::Confirmation,
            QStringLiteral("『") + named + QStringLiteral("』を削除してよろしいですか？"))) {
        return;
    }
    model_->removeListRow(row);
    runUserCommand([&] { actions_.remove(row); });
}

}  // namespace sorvik::ui
