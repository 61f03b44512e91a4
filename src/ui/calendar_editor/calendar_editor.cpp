#include "calendar_editor.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "calendar_grid_model.h"
#include "engine/errors.h"
#include "platform/prompts.h"
#include "ui/common/error_boundary.h"
#include "ui/help/help_window.h"
#include "ui/shell/main_window.h"

namespace sorvik::ui {

namespace {

using platform::Prompts;
using records::CalendarEditMode;

constexpr int kColumnWidths[] = {40, 28, 90, 28};

QString slashedYmd(int ymd) {
    return QString::fromStdString(engine::formatSlashed(engine::dateFromYmd(ymd)));
}

QButtonGroup* radioGroup(QWidget* parent, QGroupBox* box, const QStringList& items) {
    auto* group = new QButtonGroup(parent);
    auto* layout = new QVBoxLayout(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], box);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    group->button(0)->setChecked(true);
    return group;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* made = new QPushButton(text, parent);
    made->setObjectName(QString::fromLatin1(name));
    return made;
}

}  // namespace

TKHyoF::TKHyoF(QString appDir, engine::CalendarTable& table, QWidget* parent)
    : QDialog(parent), appDir_(std::move(appDir)), table_(table), opened_(table) {
    setObjectName(QStringLiteral("KHyoF"));
    setWindowTitle(QStringLiteral("暦の編集"));

    model_ = new CalendarGridModel(table_, this);
    cg1_ = new QTableView(this);
    cg1_->setObjectName(QStringLiteral("CG1"));
    cg1_->setModel(model_);
    cg1_->setSelectionBehavior(QAbstractItemView::SelectRows);
    cg1_->setSelectionMode(QAbstractItemView::SingleSelection);
    cg1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cg1_->verticalHeader()->hide();
    cg1_->verticalHeader()->setDefaultSectionSize(18);
    cg1_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    cg1_->horizontalHeader()->setStyleSheet(QStringLiteral(
        "QHeaderView::section { background-color: teal; color: white; border: 1px solid "
        "#404040; }"));
    cg1_->setStyleSheet(
        QStringLiteral("QTableView { selection-background-color: fuchsia; "
                       "selection-color: black; }"));
    for (int column = 0; column < CalendarGridModel::ColumnCount; ++column) {
        cg1_->setColumnWidth(column, kColumnWidths[column]);
    }
    cg1_->setFixedWidth(40 + 28 + 90 + 28 + cg1_->verticalScrollBar()->sizeHint().width() + 4);
    cg1_->setContextMenuPolicy(Qt::CustomContextMenu);

    minLbl_ = new QLabel(this);
    minLbl_->setObjectName(QStringLiteral("MinLbl"));
    maxLbl_ = new QLabel(this);
    maxLbl_->setObjectName(QStringLiteral("MaxLbl"));
    auto* range = new QFormLayout;
    range->addRow(QStringLiteral("使用可能最小日付"), minLbl_);
    range->addRow(QStringLiteral("使用可能最大日付"), maxLbl_);

    auto* modeBox = new QGroupBox(QStringLiteral("追加・変更"), this);
    modeBox->setObjectName(QStringLiteral("RG1"));
    rg1_ = radioGroup(this, modeBox,
                      {QStringLiteral("最小日付追加"), QStringLiteral("最大日付追加"),
                       QStringLiteral("現在日付変更")});
    auto* lengthBox = new QGroupBox(QStringLiteral("差日"), this);
    lengthBox->setObjectName(QStringLiteral("RG2"));
    rg2_ = radioGroup(this, lengthBox, {QStringLiteral("29日"), QStringLiteral("30日")});
    auto* choices = new QHBoxLayout;
    choices->addWidget(modeBox);
    choices->addWidget(lengthBox);

    nenE_ = new QLineEdit(this);
    nenE_->setObjectName(QStringLiteral("NenE"));
    nenE_->setFixedWidth(60);
    tukiE_ = new QComboBox(this);
    tukiE_->setObjectName(QStringLiteral("TukiE"));
    tukiE_->addItems(records::monthItems());
    QFont fixed = tukiE_->font();
    fixed.setFamily(QStringLiteral("IPAGothic"));
    tukiE_->setFont(fixed);
    dateE_ = new QLineEdit(this);
    dateE_->setObjectName(QStringLiteral("DateE"));
    dateE_->setInputMask(QStringLiteral("9999/99/99"));
    dateE_->setFixedWidth(100);
    auto* applyButton = button(this, "ApplyBtn", QStringLiteral("暦追加・変更"));

    auto* editBox = new QGroupBox(QStringLiteral("編集内容"), this);
    auto* editForm = new QFormLayout(editBox);
    editForm->addRow(QStringLiteral("旧年"), nenE_);
    auto* monthRow = new QHBoxLayout;
    monthRow->addWidget(tukiE_);
    monthRow->addWidget(new QLabel(QStringLiteral("※ - (ﾏｲﾅｽ)は閏月"), editBox));
    monthRow->addStretch();
    editForm->addRow(QStringLiteral("月"), monthRow);
    editForm->addRow(QStringLiteral("西暦日付"), dateE_);
    editForm->addRow(applyButton);

    auto* deleteFirstButton = button(this, "MinDelBtn", QStringLiteral("最小日付１行削除"));
    auto* deleteLastButton = button(this, "MaxDelBtn", QStringLiteral("最大日付１行削除"));
    auto* deletes = new QHBoxLayout;
    deletes->addWidget(deleteFirstButton);
    deletes->addWidget(deleteLastButton);

    auto* saveButton = button(this, "SaveBtn", QStringLiteral("暦ファイルを更新して閉じる"));
    auto* cancelButton = button(this, "CancelBtn", QStringLiteral("ｷｬﾝｾﾙ"));
    auto* helpButton = button(this, "HelpBtn", QStringLiteral("ﾍﾙﾌﾟ"));
    auto* closing = new QHBoxLayout;
    closing->addWidget(saveButton);
    closing->addStretch();
    closing->addWidget(cancelButton);
    closing->addWidget(helpButton);

    auto* side = new QVBoxLayout;
    side->addLayout(range);
    side->addLayout(choices);
    side->addWidget(editBox);
    side->addLayout(deletes);
    side->addStretch();
    side->addLayout(closing);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(cg1_);
    layout->addLayout(side);
    resize(620, 460);

    rowMenu_ = new QMenu(this);
    QAction* deleteItem = rowMenu_->addAction(QStringLiteral("行削除"));

    connect(rg1_, &QButtonGroup::idClicked, this, [this] { propose(); });
    connect(rg2_, &QButtonGroup::idClicked, this, [this] { propose(); });
    connect(cg1_, &QTableView::pressed, this,
            [this](const QModelIndex& index) { selectRow(static_cast<std::size_t>(index.row())); });
    connect(cg1_, &QWidget::customContextMenuRequested, this, &TKHyoF::showRowMenu);
    connect(deleteItem, &QAction::triggered, this, [this] { deleteRow(menuRow_); });
    connect(applyButton, &QPushButton::clicked, this, [this] { applyEdit(); });
    connect(deleteFirstButton, &QPushButton::clicked, this, &TKHyoF::deleteFirst);
    connect(deleteLastButton, &QPushButton::clicked, this, &TKHyoF::deleteLast);
    connect(saveButton, &QPushButton::clicked, this, &TKHyoF::save);
    connect(cancelButton, &QPushButton::clicked, this, &TKHyoF::reject);
    connectHelp(*this, appDir_, kHelpTopic, helpButton);
}

CalendarEditMode TKHyoF::mode() const {
    return static_cast<CalendarEditMode>(rg1_->checkedId());
}

void TKHyoF::setMode(CalendarEditMode mode) {
    rg1_->button(static_cast<int>(mode))->setChecked(true);
    propose();
}

int TKHyoF::monthLength() const {
    return rg2_->checkedId() == 0 ? 29 : 30;
}

void TKHyoF::showEvent(QShowEvent* event) {
    opened_ = table_;
    selected_ = std::min(selected_, table_.records().size() - 1);
    showRange();
    refreshGrid();
    propose();
    QDialog::showEvent(event);
}

void TKHyoF::showRange() {
    minLbl_->setText(slashedYmd(table_.records().front().startYmd));
    maxLbl_->setText(slashedYmd(table_.records().back().startYmd));
}

void TKHyoF::refreshGrid() {
    model_->refresh();
    cg1_->selectRow(static_cast<int>(selected_));
    cg1_->scrollTo(model_->index(static_cast<int>(selected_), 0));
}

void TKHyoF::propose() {
    const engine::CalendarRecord month =
        records::proposeMonth(table_, mode(), selected_, monthLength());
    dateE_->setText(slashedYmd(month.startYmd));
    nenE_->setText(QString::number(month.lunarYear));
    tukiE_->setCurrentIndex(tukiE_->findText(records::monthItem(month.lunarMonth)));
    const bool adding = mode() != CalendarEditMode::Change;
    for (QAbstractButton* length : rg2_->buttons()) {
        length->setEnabled(adding);
    }
}

void TKHyoF::selectRow(std::size_t row) {
    selected_ = row;
    cg1_->selectRow(static_cast<int>(row));
    rg1_->button(static_cast<int>(CalendarEditMode::Change))->setChecked(true);
    const QString gap =
        model_->index(static_cast<int>(row), CalendarGridModel::Gap).data().toString();
    rg2_->button(gap == QStringLiteral("29") ? 0 : 1)->setChecked(true);
    propose();
}

bool TKHyoF::applyEdit() {
    const std::optional<engine::Date> date = engine::parseSlashedDate(dateE_->text().toStdString());
    if (!date) {
        Prompts::beep();
        Prompts::information(QStringLiteral("日付形式が不正です。"));
        dateE_->setFocus();
        return false;
    }
    bool applied = false;
    runUserCommand([&] {
        bool yearOk = false;
        const int year = nenE_->text().trimmed().toInt(&yearOk);
        if (!yearOk) {
            throw engine::ConversionError(
                QStringLiteral("『%1』は、整数ではありません。").arg(nenE_->text()).toStdString());
        }
        const engine::CalendarRecord month{engine::DateToYmd(*date), year,
                                           tukiE_->currentText().trimmed().toInt()};
        const records::CalendarEditOutcome outcome =
            records::applyCalendarEdit(table_, mode(), selected_, month);
        for (const QString& message : outcome.messages) {
            Prompts::beep();
            Prompts::information(message);
        }
        applied = outcome.applied;
    });
    // The grid shows the month just added.
    if (applied && mode() == CalendarEditMode::AddFirst) {
        selected_ = 0;
    } else if (applied && mode() == CalendarEditMode::AddLast) {
        selected_ = table_.records().size() - 1;
    }
    refreshGrid();
    propose();
    showRange();
    return applied;
}

void TKHyoF::deleteRow(std::size_t row) {
    selectRow(row);
    Prompts::beep();
    if (!Prompts::askYesNo(platform::BoxStyle::Confirmation,
                           records::deleteQuestion(table_.records().at(row)))) {
        return;
    }
    if (!records::deleteCalendarMonth(table_, row)) {
        Prompts::beep();  // a table needs two months to load
        return;
    }
    selected_ = std::min(selected_, table_.records().size() - 1);
    refreshGrid();
    propose();
    showRange();
}

void TKHyoF::deleteFirst() {
    deleteRow(0);
}

void TKHyoF::deleteLast() {
    deleteRow(table_.records().size() - 1);
}

void TKHyoF::showRowMenu(const QPoint& position) {
    const QModelIndex index = cg1_->indexAt(position);
    const auto last = static_cast<int>(table_.records().size()) - 1;
    if (!index.isValid() || (index.row() != 0 && index.row() != last)) {
        return;
    }
    menuRow_ = static_cast<std::size_t>(index.row());
    rowMenu_->popup(cg1_->viewport()->mapToGlobal(position));
}

void TKHyoF::save() {
    Prompts::beep();
    if (!Prompts::askYesNo(platform::BoxStyle::Confirmation,
                           QStringLiteral("暦ファイルを更新します。よろしいですか？"))) {
        reject();
        return;
    }
    // A save that fails keeps the dialog open with the edits, to be tried again or cancelled.
    if (!runUserCommand([this] { records::saveCalendarWithBackup(table_, appDir_); })) {
        return;
    }
    opened_ = table_;
    Prompts::information(QStringLiteral("暦の変更内容を反映させるには、一旦、") +
                         TMainF::applicationTitle() +
                         QStringLiteral("を再起動する必要があります。"));
    accept();
}

void TKHyoF::reject() {
    table_ = opened_;
    QDialog::reject();
}

}  // namespace sorvik::ui
