#include "chart_window.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRegion>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "chart_grid_view.h"
#include "chart_look.h"
#include "output/print_grids.h"
#include "pattern_list.h"
#include "platform/prompts.h"
#include "platform/utf8_text.h"
#include "settings/system_settings.h"
#include "settings/zi_wei_settings.h"
#include "strength/palace_cells.h"
#include "ui/common/error_boundary.h"
#include "ui/help/help_window.h"

namespace sorvik::ui {

using platform::Prompts;

namespace {

constexpr int kTargetBarHeight = 22;
constexpr int kLeftMargin = 17;
const QColor kTeal(0, 128, 128);
const QColor kAqua(0, 255, 255);

const char* const kCentreLabels[] = {"Name",  "Date", "Inyo", "InDate", "Kyoku",
                                     "Kazoe", "Mei",  "Sin",  "Nat"};
static_assert(std::size(kCentreLabels) == 9);

QFont pixelFont(const QString& family, int pixels = kChartFontPixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

}  // namespace

QString ChartTitle(const QString& name) {
    return name + QStringLiteral(" さんの命盤");
}

namespace {

strength::GridShape gridShapeOf(const settings::SystemSettings& system) {
    return {system.starColumnsPerPalace(), system.starRowsPerPalace(), system.CountInfoRows()};
}

}  // namespace

TMeibF::TMeibF(const ChartServices& services, QWidget* parent)
    : QWidget(parent),
      services_(services),
      document_({services.calendar, services.names, services.ziwei, services.system},
                gridShapeOf(services.system)) {
    setObjectName(QStringLiteral("TMeibF"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A click on the chart takes the focus, so that F1 opens the chart's topic.
    setFocusPolicy(Qt::ClickFocus);
    setHelpTopic(*this, kHelpTopic);
    const settings::SystemSettings& system = services_.system;
    const strength::GridShape& shape = document_.shape();

    const QFont chartFont = pixelFont(system.font(settings::kChartFont).name);
    const QFont systemFont = pixelFont(system.font(settings::kSystemFont).name);
    setFont(chartFont);
    const int margin = system.verticalMargin();
    const std::vector<int> heights =
        output::chartRowHeights(shape, QFontMetrics(chartFont).height(), margin);
    starRowHeight_ = heights.front();
    infoRowHeight_ = margin / 3 + 12;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildButtonBar();
    buttonBar_->setFont(systemFont);
    layout->addWidget(buttonBar_);
    buttonBar_->setVisible(!system.hideChartButtonBar());

    scrollBox_ = new QScrollArea(this);
    scrollBox_->setObjectName(QStringLiteral("ScrollBox"));
    scrollBox_->setFrameShape(QFrame::NoFrame);
    scrollBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ban_ = new QWidget;
    ban_->setObjectName(QStringLiteral("Ban"));
    gridView_ = new ChartGridView(document_.grid(), heights, ban_);
    gridView_->setFont(chartFont);
    gridView_->setPalaceBackground([this](engine::Branch p) { return palaceBackground(p); });
    gridView_->setStarColour(
        [this](int star) { return services_.system.starColour(star).value_or(QColor(Qt::black)); });
    connect(gridView_, &ChartGridView::cellPressed, this, &TMeibF::onCellPressed);
    gridView_->installEventFilter(this);
    ban_->setFixedSize(gridView_->size());
    buildCentrePanel(systemFont);
    scrollBox_->setWidget(ban_);
    layout->addWidget(scrollBox_);
    buildPopupMenu();
    buildZoomCommands();

    if (services_.zoom) {
        zoom_ = services_.zoom();
    }
    setZoom(zoom_);
    connect(&document_, &ChartDocument::changed, this, [this] {
        showLabels();
        gridView_->update();
    });
    // The new colours go on screen before the palace detail fills itself from the same
    // announcement; the centre panel over the grid does not change with the palace.
    connect(&document_, &ChartDocument::palaceSelected, gridView_,
            [this] { gridView_->repaint(QRegion(gridView_->rect()) - centre_->geometry()); });
    // What the settings change shows at once: colours, fonts, star display and info rows.
    connect(&system.changes(), &settings::StoreChanges::changed, this, [this] {
        applyFonts();
        document_.refill();
    });
    connect(&services_.ziwei.changes(), &settings::StoreChanges::changed, this,
            [this] { document_.refill(); });
}

// Fixed size: the grid and the button bar, scrolling only when taller than the screen.
void TMeibF::fitToContent() {
    const int barHeight = buttonBar_->isVisibleTo(this) ? kButtonBarHeight : 0;
    QSize size(ban_->width(), ban_->height() + barHeight);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr && ban_->height() + 50 >= screen->availableGeometry().height()) {
        size.setHeight(screen->availableGeometry().height() - 50);
        size.rwidth() += scrollBox_->verticalScrollBar()->sizeHint().width();
    }
    auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    const QSize frameExtra = frame != nullptr ? frame->size() - this->size() : QSize();
    setFixedSize(size);
    if (frame != nullptr) {
        frame->resize(size + frameExtra);
    }
}

int TMeibF::scaled(int pixels) const {
    return (pixels * zoom_ + 50) / 100;
}

void TMeibF::setZoom(int percent) {
    int nearest = kZoomSteps[0];
    for (const int step : kZoomSteps) {
        if (std::abs(step - percent) < std::abs(nearest - percent)) {
            nearest = step;
        }
    }
    zoom_ = nearest;
    applyZoom();
    for (QAction* item : zoomMenu_->actions()) {
        item->setChecked(item->data().toInt() == zoom_);
    }
}

void TMeibF::stepZoom(int steps) {
    const auto* at = std::find(std::begin(kZoomSteps), std::end(kZoomSteps), zoom_);
    const auto index = std::clamp<std::ptrdiff_t>(at - std::begin(kZoomSteps) + steps, 0,
                                                  std::size(kZoomSteps) - 1);
    if (kZoomSteps[index] != zoom_) {
        chooseZoom(kZoomSteps[index]);
    }
}

void TMeibF::chooseZoom(int percent) {
    setZoom(percent);
    if (services_.zoomChosen) {
        services_.zoomChosen(zoom_);
    }
}

void TMeibF::applyZoom() {
    const double zoom = zoom_ / 100.0;
    gridView_->setZoom(zoom);
    ban_->setFixedSize(gridView_->size());
    centre_->setGeometry(scaled(centreLayout_.left()), scaled(centreLayout_.top()),
                         scaled(centreLayout_.right() + 1) - scaled(centreLayout_.left()),
                         scaled(centreLayout_.bottom() + 1) - scaled(centreLayout_.top()));
    targetBar_->setFixedHeight(scaled(kTargetBarHeight));
    centreBody_->setContentsMargins(scaled(kLeftMargin), scaled(2), 0, 0);
    patterns_->setZoom(zoom);
    applyFonts();
    fitTargetBar();
    // The labels take their new font at once, so that nothing is drawn at the old layout.
    centre_->layout()->activate();
    targetBar_->layout()->activate();
    fitToContent();
}

TMeibF::~TMeibF() = default;

void TMeibF::buildButtonBar() {
    buttonBar_ = new QWidget(this);
    buttonBar_->setObjectName(QStringLiteral("MPnl"));
    buttonBar_->setFixedHeight(kButtonBarHeight);
    auto* row = new QHBoxLayout(buttonBar_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    struct Button {
        const char* name;
        const char* caption;
        const char* hint;
        std::function<void()> action;
    };
    const Button buttons[] = {
        {"BefBtn", "前年", "前年の造命をします。", [this] { ChangeTargetDate(kPreviousYear); }},
        {"NowBtn", "現在", "現在日時の造命をします。", [this] { ChangeTargetDate(kDefault); }},
        {"NextBtn", "翌年", "翌年の造命をします。", [this] { ChangeTargetDate(kNextYear); }},
        {"PrtBtn", "印刷", "印刷ﾌﾟﾚﾋﾞｭｰ", [this] { PrtBtnClick(); }},
        {"OutBtn", "出力", "説明文の内容等をﾃｷｽﾄに出力します。", [this] { OutBtnClick(); }},
        {"CopyBtn", "ｺﾋﾟｰ", "命盤画像をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰします", [this] { CopyBtnClick(); }},
        {"KouBtn", "行運", "行運を表示します。",
         services_.requestLuck ? std::function<void()>([this] { KouBtnClick(); }) : nullptr},
    };
    for (const Button& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), buttonBar_);
        button->setObjectName(QString::fromLatin1(b.name));
        // The hint also reaches the main window's status bar.
        button->setToolTip(QString::fromUtf8(b.hint));
        button->setStatusTip(button->toolTip());
        button->setFixedSize(48, kButtonBarHeight);
        button->setFocusPolicy(Qt::NoFocus);
        // The luck periods need the main window's entry bar.
        button->setEnabled(static_cast<bool>(b.action));
        if (b.action) {
            connect(button, &QPushButton::clicked, this,
                    [action = b.action] { runUserCommand(action); });
        }
        row->addWidget(button);
        if (button->objectName() == QLatin1String("OutBtn")) {
            outButton_ = button;
        }
    }
    row->addStretch();
}

void TMeibF::buildCentrePanel(const QFont& systemFont) {
    const strength::GridShape& shape = document_.shape();
    const int blockHeight = starRowHeight_ * shape.starRows + infoRowHeight_ * shape.infoRows;
    const int blockWidth = ChartGridView::kColumnWidth * shape.columns;
    centre_ = new QFrame(ban_);
    centre_->setObjectName(QStringLiteral("DatPnl"));
    centre_->setFrameShape(QFrame::Panel);
    centre_->setFrameShadow(QFrame::Sunken);
    centre_->setAutoFillBackground(true);
    centre_->setFont(systemFont);
    centreLayout_ = QRect(blockWidth + 1, blockHeight + 2, 2 * blockWidth - 1, 2 * blockHeight);
    centre_->setGeometry(centreLayout_);

    auto* column = new QVBoxLayout(centre_);
    column->setContentsMargins(1, 1, 1, 1);
    column->setSpacing(0);

    targetBar_ = new QWidget(centre_);
    targetBar_->setObjectName(QStringLiteral("ZPnl"));
    targetBar_->setFixedHeight(kTargetBarHeight);
    targetBar_->setAutoFillBackground(true);
    QPalette teal = targetBar_->palette();
    teal.setColor(QPalette::Window, kTeal);
    teal.setColor(QPalette::WindowText, Qt::white);
    targetBar_->setPalette(teal);
    auto* bar = new QHBoxLayout(targetBar_);
    bar->setContentsMargins(0, 0, 2, 0);
    bar->setSpacing(0);
    auto newLabel = [](const char* name, QWidget* parent) {
        auto* label = new QLabel(parent);
        label->setObjectName(QString::fromLatin1(name));
        return label;
    };
    targetCaption_ = newLabel("Label1", targetBar_);
    targetDateLabel_ = newLabel("ZNen", targetBar_);
    targetYearLabel_ = newLabel("ZKS", targetBar_);
    for (QLabel* label : {targetCaption_, targetDateLabel_, targetYearLabel_}) {
        label->setPalette(teal);  // white on teal, each label on its own
    }
    targetCaption_->setText(QStringLiteral("造命"));
    targetCaption_->setFixedWidth(kTargetCaptionWidth);
    targetCaption_->setAlignment(Qt::AlignCenter);
    targetYearLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bar->addWidget(targetCaption_);
    bar->addWidget(targetDateLabel_);
    bar->addStretch();
    bar->addWidget(targetYearLabel_);
    column->addWidget(targetBar_);

    auto* body = new QVBoxLayout;
    centreBody_ = body;
    body->setContentsMargins(kLeftMargin, 2, 0, 0);
    body->setSpacing(0);
    for (std::size_t k = 0; k < std::size(kCentreLabels); ++k) {
        centreLabels_[k] = newLabel(kCentreLabels[k], centre_);
        body->addWidget(centreLabels_[k]);
    }
    patterns_ = new PatternList(centre_);
    body->addWidget(patterns_);
    body->addStretch();
    column->addLayout(body);

    centre_->installEventFilter(this);
    for (QWidget* child : centre_->findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
}

void TMeibF::buildPopupMenu() {
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("PopupMenu1"));
    addCommand(*popup_, QStringLiteral("<<前年"), [this] { ChangeTargetDate(kPreviousYear); });
    addCommand(*popup_, QStringLiteral("＋現在"), [this] { ChangeTargetDate(kDefault); });
    addCommand(*popup_, QStringLiteral(">>翌年"), [this] { ChangeTargetDate(kNextYear); });
    addCommand(*popup_, QStringLiteral("◎印刷"), [this] { PrtBtnClick(); });
    outPop_ = popup_->addMenu(QStringLiteral("◎出力"));
    outPop_->setObjectName(QStringLiteral("OutPop"));
    addCommand(*outPop_, QStringLiteral("説明文の出力"), [this] {
        SOutClick();
    })->setEnabled(static_cast<bool>(services_.liveTexts));
    addCommand(*outPop_, QStringLiteral("命盤HTML出力"), [this] { HTML1Click(); });
    addCommand(*outPop_, QStringLiteral("PDF出力"), [this] { PdfClick(); });
    addCommand(*popup_, QStringLiteral("◎ｺﾋﾟｰ"), [this] { CopyBtnClick(); });
    addCommand(*popup_, QStringLiteral("◎行運"), [this] {
        KouBtnClick();
    })->setEnabled(static_cast<bool>(services_.requestLuck));
    zoomMenu_ = popup_->addMenu(QStringLiteral("拡大率"));
    zoomMenu_->setObjectName(QStringLiteral("ZoomPop"));
    auto* zooms = new QActionGroup(zoomMenu_);
    for (const int percent : kZoomSteps) {
        QAction* item = addCommand(*zoomMenu_, QStringLiteral("%1 %").arg(percent),
                                   [this, percent] { chooseZoom(percent); });
        item->setData(percent);
        item->setCheckable(true);
        zooms->addAction(item);
    }
    addCommand(*popup_, QStringLiteral("　閉じる"), [this] {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
            frame->close();
        } else {
            close();
        }
    });
}

// Ctrl + plus / minus while the chart has the focus; Ctrl + wheel anywhere over it.
void TMeibF::buildZoomCommands() {
    const std::pair<QList<QKeySequence>, int> keys[] = {
        {{QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, 1},
        {{QKeySequence::ZoomOut}, -1},
    };
    for (const auto& [sequences, steps] : keys) {
        auto* action = new QAction(this);
        action->setShortcuts(sequences);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, [this, steps] { stepZoom(steps); });
        addAction(action);
    }
    scrollBox_->viewport()->installEventFilter(this);
}

QLabel* TMeibF::label(const QString& name) const {
    return findChild<QLabel*>(name);
}

QPushButton* TMeibF::button(const QString& name) const {
    return buttonBar_->findChild<QPushButton*>(name);
}

void TMeibF::showLabels() {
    const engine::ChartLabels& l = document_.labels();
    const std::string* const centre[] = {&l.Name,  &l.Date, &l.Inyo, &l.InDate, &l.Kyoku,
                                         &l.Kazoe, &l.Mei,  &l.Sin,  &l.Nat};
    for (std::size_t k = 0; k < centreLabels_.size(); ++k) {
        centreLabels_[k]->setText(qs(*centre[k]));
    }
    targetDateLabel_->setText(qs(l.ZNen));
    targetYearLabel_->setText(qs(l.ZKS));
    fitTargetBar();
}

// In a narrow centre the date's minutes come before the margins of 造命 and the date's
// trailing blanks.
void TMeibF::fitTargetBar() {
    const QFontMetrics metrics(targetDateLabel_->font());
    targetDateLabel_->setMinimumWidth(
        metrics.horizontalAdvance(targetDateLabel_->text().trimmed()));
    const QMargins margins = targetBar_->layout()->contentsMargins();
    const int room = centre_->contentsRect().width() - 2 - margins.left() - margins.right() -
                     targetDateLabel_->minimumWidth() - targetYearLabel_->sizeHint().width();
    targetCaption_->setFixedWidth(std::clamp(
        room, metrics.horizontalAdvance(targetCaption_->text()), scaled(kTargetCaptionWidth)));
}

void TMeibF::RequestChart(const engine::BirthMoment& person) {
    QStringList names;
    const bool converted = document_.compute(person);
    for (const std::string& name : document_.chart().patterns) {
        names << qs(name);
    }
    patterns_->setNames(names);
    if (converted) {
        ShowTargetDateHint();
    } else {
        Prompts::information(
            QStringLiteral("造命日時『%1』は日付変換可能範囲外のため、流年の内容（年齢・流年の星・"
                           "月運日付・宮欄）は表示できません。")
                .arg(qs(document_.labels().ZNen).trimmed()));
    }
}

void TMeibF::ChangeTargetDate(int kind) {
    using Outcome = ChartDocument::TargetOutcome;
    const Outcome outcome = document_.stepTarget(static_cast<ChartDocument::TargetStep>(kind));
    if (outcome == Outcome::kConverted) {
        ShowTargetDateHint();
    } else if (outcome == Outcome::kNotConverted) {
        Prompts::information(qs(document_.labels().ZNen));
    }
}

void TMeibF::ShowTargetDateHint() {
    const bool differ = document_.targetYearsDiffer();
    for (QLabel* label : {targetDateLabel_, targetCaption_}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, differ ? kAqua : QColor(Qt::white));
        label->setPalette(palette);
        label->setToolTip(document_.targetHint());
    }
    if (services_.showStatus) {
        services_.showStatus(document_.targetHint());
    }
}

void TMeibF::KouBtnClick() {
    if (services_.requestLuck) {
        services_.requestLuck(document_.person());
    }
}

void TMeibF::selectPalace(engine::Branch palace) {
    document_.selectPalace(palace);
    if (services_.system.beepOnPalaceClick()) {
        Prompts::beep();
    }
}

void TMeibF::onCellPressed(int column, int row, Qt::MouseButton button) {
    if (button == Qt::RightButton) {
        return;  // the context menu opens instead
    }
    runUserCommand(
        [this, column, row] { selectPalace(strength::PalaceAtCell(grid().rects(), column, row)); });
}

QColor TMeibF::palaceBackground(engine::Branch palace) const {
    const engine::Branch selected = document_.selectedPalace();
    int which = settings::kOtherPalace;
    if (palace == selected) {
        which = settings::kSelectedPalace;
    } else if (palace == engine::opposite(selected)) {
        which = settings::kOppositePalace;
    } else if (palace == engine::trines(selected)[0] || palace == engine::trines(selected)[1]) {
        which = settings::kTrinePalace;
    }
    return services_.system.palaceColour(which);
}

void TMeibF::contextMenuEvent(QContextMenuEvent* event) {
    popup_->popup(event->globalPos());
}

void TMeibF::applyFonts() {
    const QString chartFace = services_.system.font(settings::kChartFont).name;
    const QString systemFace = services_.system.font(settings::kSystemFont).name;
    for (QWidget* widget : std::initializer_list<QWidget*>{this, gridView_}) {
        if (widget->font().family() != chartFace) {
            widget->setFont(pixelFont(chartFace));
        }
    }
    if (buttonBar_->font().family() != systemFace) {
        buttonBar_->setFont(pixelFont(systemFace));
    }
    // The centre panel's labels are laid out by their font, so it carries the zoom. Each label is
    // set itself: the main window's system font gives them fonts of their own.
    const int centrePixels = scaled(kChartFontPixels);
    QList<QWidget*> centreWidgets = centre_->findChildren<QWidget*>();
    centreWidgets.prepend(centre_);
    for (QWidget* widget : centreWidgets) {
        if (widget->font().family() != systemFace || widget->font().pixelSize() != centrePixels) {
            widget->setFont(pixelFont(systemFace, centrePixels));
        }
    }
}

// Ctrl and the wheel zoom; a click on the centre panel selects the 命宮.
bool TMeibF::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers().testFlag(Qt::ControlModifier)) {
            if (const int delta = wheel->angleDelta().y(); delta != 0) {
                stepZoom(delta > 0 ? 1 : -1);
            }
            return true;
        }
        return false;
    }
    if (watched == gridView_) {
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        runUserCommand([this] { selectPalace(record().lifePalace()); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace sorvik::ui
