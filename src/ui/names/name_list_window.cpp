#include "name_list_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "name_grid.h"
#include "name_list_model.h"
#include "platform/prompts.h"
#include "records/name_file.h"
#include "ui/common/error_boundary.h"
#include "ui/common/system_font.h"
#include "ui/entry/entry_bar.h"
#include "ui/help/help_window.h"
#include "ui/print/print_preview.h"

namespace sorvik::ui {

using platform::Prompts;
using records::NameList;

namespace {

constexpr QSize kWindowSize(644, 434);

QGroupBox* radioGroup(const QString& name, const QString& title, QRadioButton* first,
                      QRadioButton* second, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(6, 0, 6, 2);
    column->setSpacing(0);
    column->addWidget(first);
    column->addWidget(second);
    return group;
}

}  // namespace

TNListF::TNListF(const NameWindowServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services) {
    setObjectName(QStringLiteral("NListF"));
    setWindowTitle(QStringLiteral("入力データ一覧"));
    resize(kWindowSize);
    setHelpTopic(*this, kHelpTopic);
    connectHelp(*this, services_.appDir, kHelpTopic);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(buildControls());
    grid_ =
        new NameGrid(services_.names.list(), nameListHeaders(services_), services_.system, this);
    grid_->setRowsMovable(true);
    // Unlike a sort, a move is the user's own order, kept only by saving.
    connect(grid_, &NameGrid::rowMoved, this,
            [this] { services_.names.setNameListModified(true); });
    layout->addWidget(grid_, 1);
    for (const QString& header : grid_->nameModel().headers()) {
        cb1_->addItem(header);
    }
    cb1_->setCurrentIndex(0);

    connect(grid_, &NameGrid::headerClicked, this,
            [this](int column) { runUserCommand([this, column] { headerClicked(column); }); });
    connect(grid_, &QAbstractItemView::doubleClicked, this,
            [this] { runUserCommand([this] { showChart(); }); });

    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("PopupMenu1"));
    addCommand(*popup_, QStringLiteral("命盤表示"), [this] { showChart(); });
    addCommand(*popup_, QStringLiteral("行運表示"), [this] { showLuck(); });
    popup_->addSeparator();
    addCommand(*popup_, QStringLiteral("削除"), [this] { deleteSelected(); });
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popup_->popup(grid_->viewport()->mapToGlobal(at)); });
    // A person recorded by a chart request or a load changes the count.
    const NameList* list = &services_.names.list();
    connect(list, &NameList::wasReset, this, &TNListF::updateCount);
    connect(list, &NameList::appended, this, &TNListF::updateCount);
    connect(list, &NameList::removed, this, &TNListF::updateCount);
    updateCount();
}

QWidget* TNListF::buildControls() {
    auto* panel = new QWidget(this);
    panel->setFixedHeight(56);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);

    ascending_ = new QRadioButton(QStringLiteral("昇順"), panel);
    descending_ = new QRadioButton(QStringLiteral("降順"), panel);
    ascending_->setChecked(true);
    row->addWidget(radioGroup(QStringLiteral("RG1"), QStringLiteral("ソート"), ascending_,
                              descending_, panel));

    auto* searchColumn = new QVBoxLayout;
    searchColumn->setSpacing(2);
    cb1_ = new QComboBox(panel);
    cb1_->setObjectName(QStringLiteral("CB1"));
    cb1_->setMinimumWidth(110);
    edit1_ = new QLineEdit(panel);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setAttribute(Qt::WA_InputMethodEnabled, true);
    searchColumn->addWidget(cb1_);
    searchColumn->addWidget(edit1_);
    row->addLayout(searchColumn);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    button1_ = new QPushButton(QStringLiteral("検索"), panel);
    button1_->setObjectName(QStringLiteral("Button1"));
    button2_ = new QPushButton(QStringLiteral("次"), panel);
    button2_->setObjectName(QStringLiteral("Button2"));
    buttons->addWidget(button1_);
    buttons->addWidget(button2_);
    row->addLayout(buttons);
    connect(button1_, &QPushButton::clicked, this, &TNListF::search);
    connect(button2_, &QPushButton::clicked, this, &TNListF::next);

    exact_ = new QRadioButton(QStringLiteral("完全検索"), panel);
    partial_ = new QRadioButton(QStringLiteral("部分検索"), panel);
    partial_->setChecked(true);
    row->addWidget(
        radioGroup(QStringLiteral("RG2"), QStringLiteral("検索方法"), exact_, partial_, panel));

    meiMakeBtn_ = new QPushButton(QStringLiteral("命盤ﾃﾞｰﾀ生成"), panel);
    meiMakeBtn_->setObjectName(QStringLiteral("MeiMakeBtn"));
    connect(meiMakeBtn_, &QPushButton::clicked, this,
            [this] { runUserCommand([this] { MeiMakeBtnClick(); }); });
    row->addWidget(meiMakeBtn_);

    prevBtn_ = new QPushButton(QStringLiteral("印刷"), panel);
    prevBtn_->setObjectName(QStringLiteral("PrevBtn"));
    prevBtn_->setToolTip(QStringLiteral("印刷ﾌﾟﾚﾋﾞｭｰ"));
    connect(prevBtn_, &QPushButton::clicked, this, [this] {
        runUserCommand(
            [this] { showTablePreview(QStringLiteral("NSG"), windowTitle(), *grid_, this); });
    });
    row->addWidget(prevBtn_);

    row->addStretch(1);
    auto* count = new QVBoxLayout;
    count->addWidget(new QLabel(QStringLiteral("総数"), panel));
    datCount_ = new QLabel(panel);
    datCount_->setObjectName(QStringLiteral("DatCount"));
    datCount_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    count->addWidget(datCount_);
    row->addLayout(count);
    return panel;
}

void TNListF::showList() {
    if (const QScreen* screen = QApplication::primaryScreen(); screen && !isVisible()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
    updateCount();
}

bool TNListF::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        updateCount();
    } else if (event->type() == QEvent::WindowDeactivate) {
        // A question of our own takes the activation for a moment: only another window of the
        // program hides the list.
        QTimer::singleShot(0, this, [this] {
            if (!isActiveWindow() && QApplication::activeModalWidget() == nullptr &&
                QApplication::activeWindow() != nullptr) {
                hide();
            }
        });
    }
    return QWidget::event(event);
}

void TNListF::paintEvent(QPaintEvent* event) {
    ApplySystemFont(*this, services_.system);
    QWidget::paintEvent(event);
}

void TNListF::updateCount() {
    datCount_->setText(QString::number(services_.names.list().rowCount()) + u'件');
}

void TNListF::headerClicked(int column) {
    const QString header = grid_->nameModel().headers().at(column);
    if (Prompts::askYesNo(
            platform::BoxStyle::Information,
            QStringLiteral("項目<") + header + QStringLiteral(" >でソートしますか？"))) {
        SortByColumn(column, descending_->isChecked());
    }
}

void TNListF::SortByColumn(int column, bool descending) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    records::SortByColumn(services_.names.list(), column, descending);
}

void TNListF::setDescending(bool descending) {
    (descending ? descending_ : ascending_)->setChecked(true);
}

void TNListF::setSearch(int column, const QString& text, records::SearchMode mode) {
    cb1_->setCurrentIndex(column);
    edit1_->setText(text);
    (mode == records::SearchMode::Exact ? exact_ : partial_)->setChecked(true);
}

void TNListF::search() {
    const int column = cb1_->currentIndex();
    const records::SearchMode mode =
        exact_->isChecked() ? records::SearchMode::Exact : records::SearchMode::Partial;
    showSearchResult(search_.find(services_.names.list(), column, edit1_->text(), mode,
                                  grid_->nameModel().headers().at(column)));
}

void TNListF::next() {
    const records::SearchMode mode =
        exact_->isChecked() ? records::SearchMode::Exact : records::SearchMode::Partial;
    showSearchResult(
        search_.next(services_.names.list(), cb1_->currentIndex(), edit1_->text(), mode));
}

void TNListF::showSearchResult(std::optional<int> row) {
    if (row) {
        grid_->goToRow(*row);
        return;
    }
    Prompts::beep();
    Prompts::information(QString::fromUtf16(records::kNotFoundFormat).arg(edit1_->text()));
}

void TNListF::deleteSelected() {
    const auto [first, count] = grid_->selectedBlock();
    if (count == 0) {
        return;
    }
    if (!Prompts::askYesNo(
            platform::BoxStyle::Confirmation,
            QString::number(count) + QStringLiteral(" 件を、削除してよろしいですか？"))) {
        return;
    }
    services_.names.list().removeRows(first, count);
    services_.names.setNameListModified(true);
    updateCount();
}

void TNListF::MeiMakeBtnClick() {
    records::SummaryRun run;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        run = records::summariseList(services_.names.list(), summaryContext(services_));
    }
    if (run.stoppedAt) {
        grid_->goToRow(*run.stoppedAt);
        Prompts::error(run.message);
    }
}

int TNListF::selectedRow() const {
    const QModelIndex current = grid_->currentIndex();
    return current.isValid() ? current.row() : 0;
}

void TNListF::showChart() {
    runUserCommand([this] {
        services_.requests.requestChart(personAt(services_.names.list(), selectedRow()));
    });
}

void TNListF::showLuck() {
    runUserCommand([this] {
        services_.requests.requestLuck(personAt(services_.names.list(), selectedRow()));
    });
}

}  // namespace sorvik::ui
