#include "palace_detail_window.h"

#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

#include "detail_grid.h"
#include "double_star_model.h"
#include "platform/key_store.h"
#include "platform/program_key.h"
#include "platform/prompts.h"
#include "platform/window_placement.h"
#include "settings/system_settings.h"
#include "settings/zi_wei_settings.h"
#include "star_table_model.h"
#include "strength/double_stars.h"
#include "texts/line_break.h"
#include "ui/chart/chart_document.h"
#include "ui/chart/chart_look.h"
#include "ui/chart/pattern_list.h"
#include "ui/common/error_boundary.h"
#include "ui/common/system_font.h"
#include "ui/help/help_window.h"
#include "ui/print/print_preview.h"

namespace sorvik::ui {

namespace {

constexpr int kPanelMargin = 2;
constexpr int kStarPanelExtra = 4;  // rows × (row height + 1) + 4
constexpr int kHintMilliseconds = 3000;
constexpr int kRelationNameWidth = 40;
constexpr int kRelationPowerWidth = 32;
constexpr int kEntryWidth = 70;
constexpr int kInitialWidth = 560;
constexpr int kScreenMargin = 16;  // room for the window manager's frame
// A click on a chart takes the activation first and shows this window again a moment later;
// hiding waits that long, so the window stays up instead of going and coming back.
constexpr int kLeaveDelayMs = 50;

const QString kTitle = QStringLiteral("宮の詳細内容");
const char* const kInfoLabels[] = {"KLbl0", "KLbl1", "KLBL2", "KLBL3", "KLBL4"};
// The chart's texts the header repeats, by the label that shows them.
struct ChartText {
    const char* label;
    std::string engine::ChartLabels::*text;
};
const ChartText kChartLabels[] = {{"ZNen", &engine::ChartLabels::ZNen},
                                  {"ZKS", &engine::ChartLabels::ZKS},
                                  {"Date", &engine::ChartLabels::Date}};
const char* const kPanelItems[TKyuSF::kPanelCount] = {"星の一覧", "双星の一覧", "説明文"};

QString placementKey() {
    return platform::programKey(QStringLiteral("KyuSF"));
}
QString placementName() {
    return QStringLiteral("KyuSFWinPlace1");
}

QWidget* panelAround(QWidget* content, const QString& name, QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(kPanelMargin, kPanelMargin, kPanelMargin, kPanelMargin);
    layout->setSpacing(0);
    layout->addWidget(content);
    return panel;
}

// The decoded text as a text box shows it: one line break per CR LF.
QString shownText(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

TKyuSF::TKyuSF(const DetailServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services) {
    setObjectName(QStringLiteral("TKyuSF"));
    setWindowTitle(kTitle);
    for (const QString& name : services_.ziwei.palaceNameTable()) {
        palaceNames_ << name;
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    header_ = buildHeader();
    labelPanel_ = buildLabels();
    layout->addWidget(header_);
    layout->addWidget(labelPanel_);
    buildPanels();
    for (QWidget* panel : panels_) {
        layout->addWidget(panel);
    }
    layout->setStretchFactor(panels_[kDescriptionPanel], 1);
    buildPopupMenu();
    leaving_ = new QTimer(this);
    leaving_->setSingleShot(true);
    leaving_->setInterval(kLeaveDelayMs);
    connect(leaving_, &QTimer::timeout, this, [this] {
        if (!isActiveWindow()) {
            hide();
        }
    });
    connectHelp(*this, services_.appDir, kHelpTopic);
    applyFonts();
    resize(kInitialWidth, height());
    fitHeight();
    if (!platform::restorePlacement(services_.keys, placementKey(), placementName(), *this)) {
        placeAtTheScreensRight();
    }
}

// The first time, beside the charts at the right of the screen and all of it on the screen,
// rather than where the window manager finds room.
void TKyuSF::placeAtTheScreensRight() {
    const QScreen* screen = QApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->availableGeometry();
    move(std::max(available.left(), available.right() - width() - kScreenMargin),
         available.top() + kScreenMargin);
}

QWidget* TKyuSF::buildHeader() {
    auto* header = new QWidget(this);
    header->setObjectName(QStringLiteral("HeadPnl"));
    header->setFixedHeight(kHeaderHeight);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(kPanelMargin, 0, kPanelMargin, 0);
    row->setSpacing(6);
    auto* caption = new QLabel(QStringLiteral("造命"), header);
    caption->setObjectName(QStringLiteral("Label1"));
    caption->setFixedWidth(kTargetCaptionWidth);
    row->addWidget(caption);
    for (const ChartText& shown : kChartLabels) {
        auto* label = new QLabel(header);
        label->setObjectName(QString::fromLatin1(shown.label));
        labels_[label->objectName()] = label;
        row->addWidget(label);
    }
    row->addStretch();
    modeSelector_ = new QComboBox(header);
    modeSelector_->setObjectName(QStringLiteral("ModeCB"));
    modeSelector_->addItems({QStringLiteral("推命"), QStringLiteral("行運")});
    palaceSelector_ = new QComboBox(header);
    palaceSelector_->setObjectName(QStringLiteral("KyuCB"));
    palaceSelector_->addItems(palaceNames_);
    for (QComboBox* selector : {modeSelector_, palaceSelector_}) {
        selector->setFocusPolicy(Qt::ClickFocus);
        row->addWidget(selector);
        connect(selector, &QComboBox::currentIndexChanged, this,
                [this] { runUserCommand([this] { selectorChanged(); }); });
    }
    return header;
}

// KLbl0, KLBL2, KLBL4 on the first line; KLbl1, KLBL3 on the second.
QWidget* TKyuSF::buildLabels() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("KPnl"));
    panel->setFixedHeight(kLabelsHeight);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(kPanelMargin, kPanelMargin, kPanelMargin, kPanelMargin);
    grid->setSpacing(0);
    for (int k = 0; k < static_cast<int>(std::size(kInfoLabels)); ++k) {
        auto* label = new QLabel(panel);
        label->setObjectName(QString::fromLatin1(kInfoLabels[k]));
        labels_[label->objectName()] = label;
        grid->addWidget(label, k % 2, k / 2);
    }
    return panel;
}

void TKyuSF::buildPanels() {
    starModel_ = new StarTableModel(this);
    starTable_ = new DetailGrid(this);
    starTable_->setObjectName(QStringLiteral("HSG"));
    starTable_->setModel(starModel_);
    starTable_->setColumnHidden(texts::kDescriptionColumn, true);
    starTable_->viewport()->installEventFilter(this);
    panels_[kStarPanel] = panelAround(starTable_, QStringLiteral("HSGPnl"), this);

    doubleStarModel_ = new DoubleStarModel(this);
    doubleStarTable_ = new DetailGrid(this);
    doubleStarTable_->setObjectName(QStringLiteral("SouSG"));
    doubleStarTable_->setModel(doubleStarModel_);
    doubleStarTable_->setColumnWidth(0, kRelationNameWidth);
    doubleStarTable_->setColumnWidth(1, kRelationPowerWidth);
    for (int column = DoubleStarModel::kFirstEntryColumn; column < DoubleStarModel::kColumns;
         ++column) {
        doubleStarTable_->setColumnWidth(column, kEntryWidth);
    }
    panels_[kDoubleStarPanel] = panelAround(doubleStarTable_, QStringLiteral("SouPnl"), this);
    panels_[kDoubleStarPanel]->setFixedHeight(kDoubleStarPanelHeight);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("SetuMemo"));
    memo_->setReadOnly(true);
    memo_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    panels_[kDescriptionPanel] = panelAround(memo_, QStringLiteral("SetuPnl"), this);
    panels_[kDescriptionPanel]->setMinimumHeight(2 * DetailGrid::kRowHeight);
    fillStarTable();
}

void TKyuSF::buildPopupMenu() {
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("PopupMenu1"));
    QMenu* shown = popup_->addMenu(QStringLiteral("表示・非表示"));
    for (int k = 0; k < kPanelCount; ++k) {
        QAction* item = shown->addAction(QString::fromUtf8(kPanelItems[k]));
        item->setCheckable(true);
        item->setChecked(true);
        const auto which = static_cast<Panel>(k);
        connect(item, &QAction::toggled, this, [this, which](bool on) {
            showPanel(which, on);
            fitHeight();
        });
        panelItems_[static_cast<std::size_t>(k)] = item;
    }
    popup_->addAction(QStringLiteral("星の一覧の印刷"), this,
                      [this] { runUserCommand([this] { printStarTable(); }); });
}

texts::DescriptionMode TKyuSF::mode() const {
    return modeSelector_->currentIndex() == 1 ? texts::DescriptionMode::Luck
                                              : texts::DescriptionMode::Natal;
}

QString TKyuSF::starTablePrintTitle() const {
    QString title = windowTitle().mid(kTitle.size()) + palaceSelector_->currentText();
    for (const char* name : {"KLbl0", "KLbl1", "KLBL2", "KLBL3", "KLBL4"}) {
        const QLabel* info = label(QString::fromLatin1(name));
        title += u' ' + (info ? info->text() : QString());
    }
    return title;
}

void TKyuSF::printStarTable() {
    showTablePreview(QStringLiteral("HSG"), starTablePrintTitle(), *starTable_, this);
}

QLabel* TKyuSF::label(const QString& name) const {
    const auto it = labels_.find(name);
    return it == labels_.end() ? nullptr : it->second;
}

void TKyuSF::followChart(const ChartDocument& chart) {
    // A chart filled again (its target date or the settings changed) shows here at once.
    connect(&chart, &ChartDocument::changed, this, [this, &chart] {
        if (chart_ == &chart && isVisible()) {
            runUserCommand([this] { fill(); });
        }
    });
    connect(&chart, &ChartDocument::palaceSelected, this, [this, &chart](engine::Branch palace) {
        runUserCommand([&] { showPalace(chart, palace); });
    });
    connect(&chart, &QObject::destroyed, this, [this, gone = &chart] {
        if (chart_ == gone) {
            forgetChart();
        }
    });
}

void TKyuSF::showPalace(const ChartDocument& chart, engine::Branch palace) {
    chart_ = &chart;
    palace_ = palace;
    fill();
    setWindowTitle(kTitle + QStringLiteral("＜") + QString::fromStdString(chart.labels().Name) +
                   QStringLiteral("＞"));
    if (leaving_->isActive()) {
        // Kept up, as if it had gone and been shown again.
        leaving_->stop();
        takeShowingSettings();
    }
    show();
    raise();
    activateWindow();
}

void TKyuSF::forgetChart() {
    chart_ = nullptr;
    setWindowTitle(kTitle);
    for (const auto& [name, label] : labels_) {
        if (name != QStringLiteral("Label1")) {
            label->clear();
        }
    }
    starModel_->setRows({});
    doubleStarModel_->setEvaluation(std::nullopt);
    description_ = {};
    memo_->clear();
    leaving_->stop();
    hide();
}

void TKyuSF::selectorChanged() {
    if (chart_ == nullptr) {
        platform::Prompts::beep();
        return;
    }
    palace_ = chart_->record().lifePalace() - palaceSelector_->currentIndex();
    fill();
}

void TKyuSF::fill() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    const int nameIndex = chart_->record().lifePalace() - palace_;
    fillHeader(nameIndex);
    fillStarTable();
    fillDoubleStars();
    fillDescription(nameIndex);
    fitHeight();
}

void TKyuSF::fillHeader(int nameIndex) {
    for (const ChartText& shown : kChartLabels) {
        labels_[QString::fromLatin1(shown.label)]->setText(
            QString::fromStdString(chart_->labels().*shown.text));
    }
    {
        const QSignalBlocker quiet(palaceSelector_);
        palaceSelector_->setCurrentIndex(nameIndex);
    }
    const std::vector<std::string> rows = strength::ShownInfoRows(chart_->grid(), palace_);
    for (std::size_t k = 0; k < std::size(kInfoLabels); ++k) {
        labels_[QString::fromLatin1(kInfoLabels[k])]->setText(
            k < rows.size() ? QString::fromStdString(rows[k]) : QString());
    }
}

void TKyuSF::fillStarTable() {
    if (chart_ != nullptr) {
        starModel_->setRows(texts::starTableRows(
            chart_->record().palaceStarLists[static_cast<std::size_t>(engine::index(palace_))],
            palace_, services_.names, services_.ziwei, services_.system, services_.texts));
    }
    const int rows = starModel_->rowCount() + 1;
    panels_[kStarPanel]->setFixedHeight(DetailGrid::rowsHeight(rows) + kStarPanelExtra);
}

void TKyuSF::fillDoubleStars() {
    const strength::DoubleStarEvaluation evaluation = strength::evaluateDoubleStars(
        chart_->record().palaceStarLists, palace_, services_.ziwei, services_.names);
    int hidden = 0;
    for (int relation = 0; relation < strength::kRelationCount; ++relation) {
        const bool empty =
            evaluation.relations.at(static_cast<std::size_t>(relation)).entries.empty();
        doubleStarTable_->setRowHidden(relation, empty);
        hidden += empty ? 1 : 0;
    }
    doubleStarModel_->setEvaluation(evaluation);
    panels_[kDoubleStarPanel]->setFixedHeight(kDoubleStarPanelHeight -
                                              DetailGrid::rowsHeight(hidden));
}

void TKyuSF::fillDescription(int nameIndex) {
    QStringList patternCells;
    for (const std::string& name : chart_->chart().patterns) {
        patternCells << QString::fromStdString(name);
    }
    patternCells = patternCells.mid(0, PatternList::kColumns * PatternList::kRows);
    const texts::PalaceTextFiles files =
        texts::readPalaceTextFiles(services_.appDir, nameIndex, mode());
    description_ = texts::palaceDescription(chart_->record(), patternCells, palace_, mode(),
                                            palaceNames_.value(nameIndex), files, services_.texts,
                                            services_.names);
    memo_->setPlainText(shownText(description_.lines.join(u'\n')));
}

QString TKyuSF::hintAt(const QPoint& point) const {
    const QModelIndex index = starTable_->indexAt(point);
    if (!index.isValid() || index.column() != texts::kStarNameColumn) {
        return {};
    }
    const texts::StarTableRow& row = starModel_->rows().at(static_cast<std::size_t>(index.row()));
    return u'<' + row.cells[texts::kStarNameColumn] + QStringLiteral(">\r\n") +
           texts::decodeLineBreaks(row.cells[texts::kDescriptionColumn]);
}

bool TKyuSF::eventFilter(QObject* watched, QEvent* event) {
    if (watched == starTable_->viewport() && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString hint = hintAt(help->pos());
        if (hint.isEmpty()) {
            QToolTip::hideText();
        } else {
            const QRect cell = starTable_->visualRect(starTable_->indexAt(help->pos()));
            QToolTip::showText(help->globalPos(), shownText(hint), starTable_->viewport(), cell,
                               kHintMilliseconds);
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TKyuSF::showPanel(Panel which, bool shown) {
    panels_.at(which)->setVisible(shown);
    const QSignalBlocker quiet(panelItems_.at(which));
    panelItems_.at(which)->setChecked(shown);
}

// "表示する内容" decides again at every activation; the popup menu's choice lasts until then.
void TKyuSF::applyShownPanels() {
    const int mask = services_.system.PCG();
    for (int k = 0; k < kPanelCount; ++k) {
        showPanel(static_cast<Panel>(k), (mask & (1 << k)) != 0);
    }
    fitHeight();
}

// The two header panels and the panels on show, each at its own height.
void TKyuSF::fitHeight() {
    int total = header_->height() + labelPanel_->height();
    for (int k = 0; k < kPanelCount; ++k) {
        QWidget* panel = panels_.at(static_cast<std::size_t>(k));
        if (!panel->isHidden()) {
            total += k == kDescriptionPanel ? kDescriptionPanelHeight : panel->height();
        }
    }
    // The layout first drops the minimum height of panels just hidden.
    layout()->activate();
    resize(width(), total);
}

void TKyuSF::applyFonts() {
    const settings::SystemSettings& system = services_.system;
    QFont font(system.font(settings::kSystemFont).name);
    font.setPixelSize(kChartFontPixels);
    setFont(font);
    for (QWidget* widget : findChildren<QWidget*>()) {
        if (widget != memo_ && widget->font() != font) {
            widget->setFont(font);
        }
    }
    const settings::FontSetting& description = system.font(settings::kDescriptionFont);
    memo_->setFont(toQFont(description));
    QPalette palette = memo_->palette();
    palette.setColor(QPalette::Text, fontColour(description));
    memo_->setPalette(palette);
}

void TKyuSF::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    takeShowingSettings();
}

void TKyuSF::takeShowingSettings() {
    for (int column = 0; column < settings::kStarListColumns; ++column) {
        starTable_->setColumnWidth(column, services_.system.starListWidth(column));
    }
    applyFonts();
    memo_->setFocus();
}

void TKyuSF::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) {
        return;
    }
    if (isActiveWindow()) {
        leaving_->stop();
        applyShownPanels();
    } else if (isVisible()) {
        leaving_->start();
    }
}

void TKyuSF::contextMenuEvent(QContextMenuEvent* event) {
    popup_->popup(event->globalPos());
}

void TKyuSF::savePlacement() {
    platform::savePlacement(services_.keys, placementKey(), placementName(), *this);
}

}  // namespace sorvik::ui
