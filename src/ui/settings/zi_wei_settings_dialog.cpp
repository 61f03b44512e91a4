#include "zi_wei_settings_dialog.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "engine/catalogue.h"
#include "platform/prompts.h"
#include "settings/luck_ratios.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/error_boundary.h"
#include "ui/common/system_font.h"
#include "ui/help/help_window.h"
#include "zi_wei_settings_models.h"

namespace sorvik::ui {

namespace {

using settings::Grid;
using settings::LuckRatios;

constexpr int kRowHeight = 18;
const char16_t* const kBarCaptions[3] = {u"大限：", u"小限：", u"太歳："};
const char16_t* const kBrightnessCaptions[8] = {u"0:設定なし", u"1:廟",   u"2:旺",     u"3:得地",
                                                u"4:利益",     u"5:平和", u"6:不得地", u"7:陥"};
const char16_t* const kTianMaRules[3] = {u"１月を寅とする（朝霧・白景）", u"１月を申とする（梶尾）",
                                         u"生年支による"};
const char16_t* const kBodyStarRules[2] = {u"子：火星～", u"子：天府～(上機派)"};

int gridIndex(Grid grid) {
    return grid == Grid::Numbers ? 0 : grid == Grid::Powers ? 1 : 2;
}

int ratioOf(const LuckRatios& r, int bar) {
    return bar == 0 ? r.major : bar == 1 ? r.minor : r.year;
}

QTableWidgetItem* fixedItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(Qt::AlignCenter);
    item->setBackground(QColor(0xE0, 0xE0, 0xE0));
    return item;
}

QTableWidgetItem* editableItem() {
    auto* item = new QTableWidgetItem;
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

void compactGrid(QTableWidget* grid, int rows, int columnWidth) {
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setDefaultSectionSize(columnWidth);
    grid->verticalHeader()->setDefaultSectionSize(kRowHeight + 2);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setFixedHeight(rows * (kRowHeight + 2) + 4);
}

}  // namespace

TUSysF::TUSysF(QString appDir, settings::ZiWeiSettings& store,
               const settings::SystemSettings* systemSettings, QWidget* parent)
    : QDialog(parent), appDir_(std::move(appDir)), store_(store), systemSettings_(systemSettings) {
    setObjectName(QStringLiteral("USysF"));
    setWindowTitle(QStringLiteral("紫微斗数の設定"));
    setMinimumWidth(kWidth);
    setMaximumWidth(kWidth);

    models_[0] = new ZiWeiGridModel(store_, Grid::Numbers, this);
    models_[1] = new ZiWeiGridModel(store_, Grid::Powers, this);
    models_[2] = new ZiWeiGridModel(store_, Grid::Brightness, this);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("PageControl1"));
    tabs_->addTab(buildNumbersTab(), QStringLiteral("数値設定"));
    tabs_->addTab(buildPowersTab(), QStringLiteral("諸星力量"));
    tabs_->addTab(buildBrightnessTab(), QStringLiteral("廟旺利陥"));
    tabs_->addTab(buildOtherTab(), QStringLiteral("その他"));

    const DialogButtons buttons = makeDialogButtons(this, PreviewButton::kWith);
    for (QPushButton* button : {buttons.ok, buttons.cancel, buttons.help}) {
        button->setAutoDefault(false);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons.layout);

    connect(buttons.preview, &QToolButton::clicked, this, &TUSysF::printPreview);
    connect(buttons.ok, &QPushButton::clicked, this, &TUSysF::OKBtnClick);
    connect(buttons.cancel, &QPushButton::clicked, this, &TUSysF::CancelBtnClick);
    connectHelp(*this, appDir_, kHelpTopic, buttons.help);

    refresh();
    views_[0]->setCurrentIndex(models_[0]->index(1, 1));
    resize(kWidth, 560);
}

QTableView* TUSysF::makeGridView(ZiWeiGridModel* model, const char* name) {
    auto* view = new QTableView;
    view->setObjectName(QString::fromLatin1(name));
    view->setModel(model);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->setDefaultSectionSize(kRowHeight);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                          QAbstractItemView::EditKeyPressed);
    views_[gridIndex(model->grid())] = view;
    return view;
}

QWidget* TUSysF::buildNumbersTab() {
    auto* page = new QWidget;
    QTableView* numbers = makeGridView(models_[0], "SG0");
    numbers->setParent(page);
    numbers->horizontalHeader()->hide();
    numbers->verticalHeader()->hide();
    numbers->setColumnWidth(0, 140);
    numbers->setColumnWidth(1, 90);
    numbers->setFixedWidth(140 + 90 + 20);
    for (int row = 0; row < settings::kNumberRows; ++row) {
        if (settings::ZiWeiSettings::isNumberHeaderRow(row)) {
            numbers->setSpan(row, 0, 1, 2);
        }
    }

    auto* ratios = new QGroupBox(QStringLiteral("行運の数値比率"), page);
    auto* ratioLayout = new QGridLayout(ratios);
    for (int bar = 0; bar < 3; ++bar) {
        bars_[bar] = new QSlider(Qt::Horizontal, ratios);
        bars_[bar]->setObjectName(QStringLiteral("TBar%1").arg(bar + 1));
        bars_[bar]->setRange(0, 100);
        bars_[bar]->setTickPosition(QSlider::TicksBelow);
        bars_[bar]->setTickInterval(10);
        barLabels_[bar] = new QLabel(ratios);
        barLabels_[bar]->setMinimumWidth(36);
        barLabels_[bar]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ratioLayout->addWidget(new QLabel(QString::fromUtf16(kBarCaptions[bar]), ratios), bar * 2,
                               0);
        ratioLayout->addWidget(barLabels_[bar], bar * 2, 1);
        ratioLayout->addWidget(bars_[bar], bar * 2 + 1, 0, 1, 2);
        connect(bars_[bar], &QSlider::valueChanged, this,
                [this, bar](int position) { moveBar(bar, position); });
    }
    ratioLayout->setRowStretch(6, 1);

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(numbers);
    layout->addWidget(ratios, 1);
    return page;
}

QWidget* TUSysF::buildPowersTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("※ -9 ～ 10 までの間で設定できます。"), page));
    QTableView* powers = makeGridView(models_[1], "SG1");
    powers->setParent(page);
    powers->horizontalHeader()->setDefaultSectionSize(25);
    layout->addWidget(powers);
    return page;
}

QWidget* TUSysF::buildBrightnessTab() {
    auto* page = new QWidget;
    symbols_ = new QTableWidget(2, settings::kBrightnessCodes, page);
    symbols_->setObjectName(QStringLiteral("BSG"));
    compactGrid(symbols_, 2, 58);
    for (int code = 0; code < settings::kBrightnessCodes; ++code) {
        symbols_->setItem(0, code, fixedItem(QString::fromUtf16(kBrightnessCaptions[code])));
        symbols_->setItem(1, code, editableItem());
    }
    symbols_->setColumnHidden(0, true);
    connect(symbols_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->row() == 1) {
            store_.setBrightnessSymbol(item->column(), item->text());
        }
    });

    QTableView* brightness = makeGridView(models_[2], "SG2");
    brightness->setParent(page);
    brightness->horizontalHeader()->setDefaultSectionSize(25);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(symbols_);
    layout->addWidget(brightness);
    return page;
}

QWidget* TUSysF::buildOtherTab() {
    auto* page = new QWidget;
    auto* tianMa = new QGroupBox(QStringLiteral("天馬星の配置"), page);
    auto* tianMaLayout = new QVBoxLayout(tianMa);
    rg1_ = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(QString::fromUtf16(kTianMaRules[i]), tianMa);
        button->setObjectName(QStringLiteral("RG1_%1").arg(i));
        rg1_->addButton(button, i);
        tianMaLayout->addWidget(button);
    }
    auto* body = new QGroupBox(QStringLiteral("身主の算出"), page);
    auto* bodyLayout = new QVBoxLayout(body);
    rg2_ = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto* button = new QRadioButton(QString::fromUtf16(kBodyStarRules[i]), body);
        button->setObjectName(QStringLiteral("RG2_%1").arg(i));
        rg2_->addButton(button, i);
        bodyLayout->addWidget(button);
    }
    bodyLayout->addStretch();
    connect(rg1_, &QButtonGroup::idClicked, this, [this](int id) { store_.setTianMaRule(id); });
    connect(rg2_, &QButtonGroup::idClicked, this, [this](int id) { store_.setBodyStarRule(id); });

    auto* names = new QGroupBox(QStringLiteral("宮の名称"), page);
    auto* namesLayout = new QVBoxLayout(names);
    palaceNames_ = new QTableWidget(4, 6, names);
    palaceNames_->setObjectName(QStringLiteral("KyuSG"));
    compactGrid(palaceNames_, 4, 64);
    palaceNames_->setFixedWidth(6 * 64 + 4);
    for (int i = 0; i < 6; ++i) {
        palaceNames_->setItem(
            0, i, fixedItem(QString::fromStdString(std::string(engine::defaultPalaceName(i)))));
        palaceNames_->setItem(1, i, editableItem());
        palaceNames_->setItem(
            2, i, fixedItem(QString::fromStdString(std::string(engine::defaultPalaceName(i + 6)))));
        palaceNames_->setItem(3, i, editableItem());
    }
    connect(palaceNames_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->row() == 1 || item->row() == 3) {
            store_.setUserPalaceName(item->column() + (item->row() == 3 ? 6 : 0), item->text());
        }
    });
    namesLayout->addWidget(palaceNames_);
    namesLayout->addWidget(
        new QLabel(QStringLiteral("※宮の名称は、全角３文字で指定してください。"), names));
    namesLayout->addWidget(
        new QLabel(QStringLiteral("※設定内容を反映させるには、再起動が必要です。"), names));

    auto* rules = new QHBoxLayout;
    rules->addWidget(tianMa, 3);
    rules->addWidget(body, 2);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(rules);
    layout->addWidget(names);
    layout->addStretch();
    return page;
}

QTableView* TUSysF::gridView(Grid grid) const {
    return views_[gridIndex(grid)];
}

void TUSysF::refresh() {
    {
        // What is shown here comes from the store: none of it may be written back as an edit.
        const QSignalBlocker quietSymbols(symbols_);
        const QSignalBlocker quietNames(palaceNames_);
        refreshTables();
    }
    showRatios();
}

void TUSysF::refreshTables() {
    for (ZiWeiGridModel* model : models_) {
        model->reload();
    }
    for (int code = 0; code < settings::kBrightnessCodes; ++code) {
        symbols_->item(1, code)->setText(store_.brightnessSymbols()[code]);
    }
    for (int i = 0; i < 6; ++i) {
        palaceNames_->item(1, i)->setText(store_.userPalaceNames()[i]);
        palaceNames_->item(3, i)->setText(store_.userPalaceNames()[i + 6]);
    }
    if (auto* button = rg1_->button(store_.tianMaRule())) {
        button->setChecked(true);
    }
    if (auto* button = rg2_->button(store_.bodyStarRule())) {
        button->setChecked(true);
    }
}

void TUSysF::showRatios() {
    const LuckRatios ratios = store_.luckRatios();
    for (int bar = 0; bar < 3; ++bar) {
        const QSignalBlocker quiet(bars_[bar]);
        bars_[bar]->setValue(ratioOf(ratios, bar));
        barLabels_[bar]->setText(QString::number(ratioOf(ratios, bar)) + u'%');
    }
}

void TUSysF::moveBar(int bar, int position) {
    const LuckRatios now = store_.luckRatios();
    store_.setLuckRatios(bar == 0   ? settings::moveMajorBar(now, position)
                         : bar == 1 ? settings::moveMinorBar(now, position)
                                    : settings::moveYearBar(now, position));
    showRatios();
}

int TUSysF::barPosition(int bar) const {
    return bars_[bar]->value();
}

QString TUSysF::barLabel(int bar) const {
    return barLabels_[bar]->text();
}

bool TUSysF::OKBtnClick() {
    std::optional<settings::ValidationFailure> failure;
    if (!runUserCommand([this, &failure] { failure = store_.accept(); })) {
        return false;
    }
    if (!failure) {
        store_.changes().announce();
        QDialog::done(Accepted);
        return true;
    }
    // Empty cells may have become "0" on the way.
    refresh();
    platform::Prompts::beep();
    platform::Prompts::information(failure->message);
    using Where = settings::ValidationFailure::Where;
    switch (failure->where) {
        case Where::PalaceNames:
            palaceNames_->setCurrentCell(failure->row < 6 ? 1 : 3, failure->row % 6);
            break;
        case Where::Powers:
        case Where::Brightness:
        case Where::Numbers: {
            const Grid grid = failure->where == Where::Powers       ? Grid::Powers
                              : failure->where == Where::Brightness ? Grid::Brightness
                                                                    : Grid::Numbers;
            QTableView* view = gridView(grid);
            const QModelIndex cell =
                models_[gridIndex(grid)]->indexOfCell(failure->row, failure->column);
            view->setCurrentIndex(cell);
            view->scrollTo(cell);
            break;
        }
    }
    return false;
}

void TUSysF::CancelBtnClick() {
    runUserCommand([this] { store_.cancel(); });
    store_.changes().announce();
    refresh();
    QDialog::done(Rejected);
}

// The close box (and Esc) drop the edits like ｷｬﾝｾﾙ: unchecked cells must not reach the charts.
void TUSysF::reject() {
    CancelBtnClick();
}

void TUSysF::closeEvent(QCloseEvent* event) {
    event->ignore();
    CancelBtnClick();
}

void TUSysF::printPreview() {
    const int tab = tabs_->currentIndex();
    if (tab == 3) {
        platform::Prompts::beep();
        platform::Prompts::information(QStringLiteral("この項は、印刷できません。"));
        return;
    }
    if (openPrintPreview) {
        openPrintPreview(tabs_->tabText(tab), *views_[tab]);
    }
}

void TUSysF::showEvent(QShowEvent* event) {
    if (systemSettings_) {
        ApplySystemFont(*this, *systemSettings_);
    }
    QDialog::showEvent(event);
}

}  // namespace sorvik::ui
