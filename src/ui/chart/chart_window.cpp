#include "chart_window.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QDate>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "engine/errors.h"
#include "output/print_grids.h"
#include "platform/prompts.h"
#include "settings/system_settings.h"
#include "settings/zi_wei_settings.h"
#include "strength/palace_cells.h"
#include "ui/chart/chart_grid_view.h"
#include "ui/chart/default_target_date.h"
#include "ui/chart/pattern_list.h"
#include "ui/error_boundary.h"
#include "ui/help_window.h"

namespace sorvik::ui {

using platform::Prompts;

namespace {

constexpr int kFontPixels = 12;
constexpr int kTargetBarHeight = 22;
constexpr int kLabel1Width = 33;
constexpr int kLeftMargin = 17;
const QColor kTeal(0, 128, 128);
const QColor kAqua(0, 255, 255);

const char* const kCentreLabels[] = {"Name",  "Date", "Inyo", "InDate", "Kyoku",
                                     "Kazoe", "Mei",  "Sin",  "Nat"};

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

QFont pixelFont(const QString& family, int pixels = kFontPixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

// The same day and time a year away; 29 February becomes the 28th.
engine::DateTime shiftYear(const engine::DateTime& moment, int years) {
    engine::DateTime shifted = moment;
    shifted.date.year += years;
    const int length = QDate(shifted.date.year, shifted.date.month, 1).daysInMonth();
    shifted.date.day = std::min(shifted.date.day, length);
    return shifted;
}

}  // namespace

QString ChartTitle(const QString& name) {
    return name + QStringLiteral(" さんの命盤");
}

TMeibF::TMeibF(const ChartServices& services, QWidget* parent)
    : QWidget(parent), services_(services), cellSettings_(services.system, services.ziwei) {
    setObjectName(QStringLiteral("TMeibF"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A click on the chart takes the focus, so that F1 opens the chart's topic.
    setFocusPolicy(Qt::ClickFocus);
    setHelpTopic(*this, kHelpTopic);
    const settings::SystemSettings& system = services_.system;
    shape_ = {system.starColumnsPerPalace(), system.starRowsPerPalace(), system.CountInfoRows()};
    grid_ = strength::ChartGrid(shape_);

    const QFont chartFont = pixelFont(system.font(settings::kChartFont).name);
    const QFont systemFont = pixelFont(system.font(settings::kSystemFont).name);
    setFont(chartFont);
    const int margin = system.verticalMargin();
    const std::vector<int> heights =
        output::chartRowHeights(shape_, QFontMetrics(chartFont).height(), margin);
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
    gridView_ = new ChartGridView(grid_, heights, ban_);
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
        button->setToolTip(QString::fromUtf8(b.hint));
        button->setFixedSize(48, kButtonBarHeight);
        button->setFocusPolicy(Qt::NoFocus);
        // The luck periods need the main window's entry bar.
        button->setEnabled(static_cast<bool>(b.action));
        if (b.action) {
            connect(button, &QPushButton::clicked, this,
                    [action = b.action] { runUserCommand(action); });
        }
        row->addWidget(button);
        buttons_[button->objectName()] = button;
    }
    row->addStretch();
}

void TMeibF::buildCentrePanel(const QFont& systemFont) {
    const int blockHeight = starRowHeight_ * shape_.starRows + infoRowHeight_ * shape_.infoRows;
    const int blockWidth = ChartGridView::kColumnWidth * shape_.columns;
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
    for (const char* name : {"Label1", "ZNen", "ZKS"}) {
        auto* label = new QLabel(targetBar_);
        label->setObjectName(QString::fromLatin1(name));
        label->setPalette(teal);  // white on teal, each label on its own
        labels_[label->objectName()] = label;
    }
    labels_["Label1"]->setText(QStringLiteral("造命"));
    labels_["Label1"]->setFixedWidth(kLabel1Width);
    labels_["Label1"]->setAlignment(Qt::AlignCenter);
    labels_["ZKS"]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bar->addWidget(labels_["Label1"]);
    bar->addWidget(labels_["ZNen"]);
    bar->addStretch();
    bar->addWidget(labels_["ZKS"]);
    column->addWidget(targetBar_);

    auto* body = new QVBoxLayout;
    centreBody_ = body;
    body->setContentsMargins(kLeftMargin, 2, 0, 0);
    body->setSpacing(0);
    for (const char* name : kCentreLabels) {
        auto* label = new QLabel(centre_);
        label->setObjectName(QString::fromLatin1(name));
        labels_[label->objectName()] = label;
        body->addWidget(label);
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
    popup_->addAction(QStringLiteral("<<前年"), this, [this] { ChangeTargetDate(kPreviousYear); });
    popup_->addAction(QStringLiteral("＋現在"), this, [this] { ChangeTargetDate(kDefault); });
    popup_->addAction(QStringLiteral(">>翌年"), this, [this] { ChangeTargetDate(kNextYear); });
    auto command = [this](void (TMeibF::*action)()) {
        return [this, action] { runUserCommand([this, action] { (this->*action)(); }); };
    };
    popup_->addAction(QStringLiteral("◎印刷"), this, command(&TMeibF::PrtBtnClick));
    outPop_ = popup_->addMenu(QStringLiteral("◎出力"));
    outPop_->setObjectName(QStringLiteral("OutPop"));
    outPop_->addAction(QStringLiteral("説明文の出力"), this, command(&TMeibF::SOutClick))
        ->setEnabled(static_cast<bool>(services_.liveTexts));
    outPop_->addAction(QStringLiteral("命盤HTML出力"), this, command(&TMeibF::HTML1Click));
    outPop_->addAction(QStringLiteral("PDF出力"), this, command(&TMeibF::PdfClick));
    popup_->addAction(QStringLiteral("◎ｺﾋﾟｰ"), this, command(&TMeibF::CopyBtnClick));
    QAction* luck = popup_->addAction(QStringLiteral("◎行運"), this,
                                      [this] { runUserCommand([this] { KouBtnClick(); }); });
    luck->setEnabled(static_cast<bool>(services_.requestLuck));
    zoomMenu_ = popup_->addMenu(QStringLiteral("拡大率"));
    zoomMenu_->setObjectName(QStringLiteral("ZoomPop"));
    auto* zooms = new QActionGroup(zoomMenu_);
    for (const int percent : kZoomSteps) {
        QAction* item = zoomMenu_->addAction(QStringLiteral("%1 %").arg(percent), this,
                                             [this, percent] { chooseZoom(percent); });
        item->setData(percent);
        item->setCheckable(true);
        zooms->addAction(item);
    }
    popup_->addAction(QStringLiteral("　閉じる"), this, [this] {
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
    const auto it = labels_.find(name);
    return it == labels_.end() ? nullptr : it->second;
}

QPushButton* TMeibF::button(const QString& name) const {
    const auto it = buttons_.find(name);
    return it == buttons_.end() ? nullptr : it->second;
}

void TMeibF::showLabels() {
    const engine::ChartLabels& l = chart_.labels;
    const std::pair<const char*, const std::string*> texts[] = {
        {"Name", &l.Name},   {"Date", &l.Date},   {"Inyo", &l.Inyo}, {"InDate", &l.InDate},
        {"Kyoku", &l.Kyoku}, {"Kazoe", &l.Kazoe}, {"Mei", &l.Mei},   {"Sin", &l.Sin},
        {"Nat", &l.Nat},     {"ZNen", &l.ZNen},   {"ZKS", &l.ZKS},
    };
    for (const auto& [name, text] : texts) {
        labels_[QString::fromLatin1(name)]->setText(qs(*text));
    }
    fitTargetBar();
}

// In a narrow centre the date's minutes come before the margins of 造命 and the date's
// trailing blanks.
void TMeibF::fitTargetBar() {
    QLabel* date = labels_["ZNen"];
    QLabel* caption = labels_["Label1"];
    const QFontMetrics metrics(date->font());
    date->setMinimumWidth(metrics.horizontalAdvance(date->text().trimmed()));
    const QMargins margins = targetBar_->layout()->contentsMargins();
    const int room = centre_->contentsRect().width() - 2 - margins.left() - margins.right() -
                     date->minimumWidth() - labels_["ZKS"]->sizeHint().width();
    caption->setFixedWidth(
        std::clamp(room, metrics.horizontalAdvance(caption->text()), scaled(kLabel1Width)));
}

void TMeibF::RequestChart(const engine::BirthMoment& person) {
    const engine::DateTime birth = engine::BirthMomentOf(person);
    const engine::DateTime target = DefaultTargetDate(services_.system, birth);
    chart_ = engine::RequestChartBirth(services_.calendar, services_.names, person, target,
                                       {services_.ziwei, services_.ziwei.bodyStarRule()});
    QStringList names;
    for (const std::string& name : chart_.patterns) {
        names << qs(name);
    }
    patterns_->setNames(names);
    target_ = target;
    if (!applyTarget(target)) {
        Prompts::information(
            QStringLiteral("造命日時『%1』は日付変換可能範囲外のため、流年の内容（年齢・流年の星・"
                           "月運日付・宮欄）は表示できません。")
                .arg(qs(chart_.labels.ZNen).trimmed()));
    }
    showLabels();
    fillAll();
}

bool TMeibF::applyTarget(const engine::DateTime& target) {
    try {
        engine::ApplyTargetDate(chart_, services_.calendar, target);
    } catch (const engine::CalendarError&) {
        chart_.labels.ZNen = engine::formatTargetDate(target);
        chart_.record.narrowPalaceStarLists();
        yearlyKnown_ = false;
        return false;
    }
    yearlyKnown_ = true;
    ShowTargetDateHint();
    return true;
}

void TMeibF::ChangeTargetDate(int kind) {
    const engine::DateTime next = kind == kDefault
                                      ? DefaultTargetDate(services_.system, record().birthMoment)
                                      : shiftYear(target_, kind == kPreviousYear ? -1 : 1);
    target_ = next;
    chart_.labels.ZNen = engine::formatTargetDate(next);
    if (services_.calendar.inRange(next.date)) {
        if (!applyTarget(next)) {
            Prompts::information(qs(chart_.labels.ZNen));
        }
    } else {
        stepOutsideTable(kind);
    }
    showLabels();
    fillAll();
}

// Past the ends of the calendar the year's stem and branch and the age still count on.
void TMeibF::stepOutsideTable(int kind) {
    chart_.monthlyLuckDates = {};
    if (!yearlyKnown_) {
        return;
    }
    engine::StarRow& header = chart_.record.header();
    engine::ConvertedMoment& target = chart_.target;
    if (kind != kDefault) {
        const int step = kind == kNextYear ? 1 : -1;
        header[engine::kHeaderAge] += step;
        target.yearStem = target.yearStem + step;
        target.yearBranch = target.yearBranch + step;
    }
    engine::SetTargetYearLabels(chart_.labels, header, target.yearStem, target.yearBranch);
    chart_.yearlyStarLists = engine::PlaceYearlyStars(target.yearStem, target.yearBranch);
    engine::WriteYearlyStars(chart_.yearlyStarLists, chart_.record.palaceStarLists);
    chart_.record.narrowPalaceStarLists();
}

void TMeibF::ShowTargetDateHint() {
    targetHint_ = QStringLiteral("西暦") + qs(chart_.labels.ZNen) + QStringLiteral("> ") +
                  qs(chart_.target.lunarText);
    yearsDiffer_ = chart_.target.lunar.year != target_.date.year;
    if (yearsDiffer_) {
        targetHint_ += QStringLiteral(
            " ※西暦と旧暦の年が異なる期間ですので、運用にご注意下さい。詳細は、ヘルプファイル等を"
            "ご参照下さい。");
    }
    for (const char* name : {"ZNen", "Label1"}) {
        QLabel* label = labels_[QString::fromLatin1(name)];
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, yearsDiffer_ ? kAqua : QColor(Qt::white));
        label->setPalette(palette);
        label->setToolTip(targetHint_);
    }
    if (services_.showStatus) {
        services_.showStatus(targetHint_);
    }
}

void TMeibF::fillAll() {
    engine::ChartRecord& record = chart_.record;
    if (yearlyKnown_) {
        strength::FillPalaceCells(grid_, record, chart_.placement.stars, chart_.target.yearStem,
                                  chart_.monthlyLuckDates, services_.names, cellSettings_,
                                  services_.ziwei);
    } else {
        // Without a target year there is nothing to put into the info rows.
        strength::FillStarCells(grid_, record, services_.names, cellSettings_);
        for (int star = 1; star <= engine::kStarCount; ++star) {
            record.rows[static_cast<std::size_t>(star)] =
                chart_.placement.stars[static_cast<std::size_t>(star)];
        }
    }
    gridView_->update();
}

void TMeibF::fillInfoRows() {
    if (yearlyKnown_) {
        strength::FillInfoRows(grid_,
                               {chart_.record, chart_.target.yearStem, chart_.monthlyLuckDates},
                               cellSettings_, services_.ziwei);
    }
}

void TMeibF::KouBtnClick() {
    if (!services_.requestLuck) {
        return;
    }
    // The person as the chart shows it: the name after "氏名：", the sex after 陽 or 陰.
    const engine::DateTime& birth = chart_.record.birthMoment;
    services_.requestLuck(qs(chart_.labels.Name).mid(3), qs(chart_.labels.Inyo).mid(1),
                          qs(engine::formatSlashed(birth.date)),
                          QString::asprintf("%02d:%02d", birth.hour, birth.minute));
}

void TMeibF::selectPalace(engine::Branch palace) {
    chart_.record.selectedPalace = palace;
    fillInfoRows();
    emit palaceClicked(palace);
    if (services_.system.beepOnPalaceClick()) {
        Prompts::beep();
    }
    gridView_->update();
}

void TMeibF::onCellPressed(int column, int row, Qt::MouseButton button) {
    if (button == Qt::RightButton) {
        return;  // the context menu opens instead
    }
    runUserCommand(
        [this, column, row] { selectPalace(strength::PalaceAtCell(grid_.rects(), column, row)); });
}

QColor TMeibF::palaceBackground(engine::Branch palace) const {
    const engine::Branch selected = chart_.record.selectedPalace;
    int which = settings::kOtherPalace;
    if (palace == selected) {
        which = settings::kSelectedPalace;
    } else if (palace == selected + 6) {
        which = settings::kOppositePalace;
    } else if (palace == selected + 4 || palace == selected + 8) {
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
    const int centrePixels = scaled(kFontPixels);
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
        runUserCommand([this] { selectPalace(chart_.record.lifePalace()); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace sorvik::ui
