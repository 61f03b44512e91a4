#include "chart_requests.h"

#include <memory>

#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QToolBar>

#include "app_context.h"
#include "main_window.h"
#include "name_file_commands.h"
#include "ui/common/system_font.h"
#include "ui/entry/entry_bar.h"
#include "ui/luck/luck_window.h"

namespace sorvik::ui {

namespace {

// The zoom of the chart windows, kept for the next chart and the next run.
QString zoomKey() {
    return TMainF::productKey() + QStringLiteral("\\MeibF");
}

// The person a window shows, if it is a window of the kind.
const engine::BirthMoment* personOf(PersonWindow kind, QWidget* window) {
    if (kind == PersonWindow::Chart) {
        const auto* chart = qobject_cast<TMeibF*>(window);
        return chart != nullptr ? &chart->document().person() : nullptr;
    }
    const auto* luck = qobject_cast<TKouF*>(window);
    return luck != nullptr ? &luck->person() : nullptr;
}

QString titleOf(PersonWindow kind, const engine::BirthMoment& person) {
    const QString name = QString::fromStdString(person.name);
    return kind == PersonWindow::Chart ? ChartTitle(name) : LuckTitle(name);
}

}  // namespace

ChartRequests::ChartRequests(TMainF& mainWindow, AppContext& context)
    : QObject(&mainWindow),
      main_(mainWindow),
      context_(context),
      chartServices_{context.calendar(), context.starNames(), context.ziWeiSettings(),
                     context.systemSettings(),
                     [this](const QString& text) { main_.statusBar()->showMessage(text); },
                     [this] {
                         return context_.keys()
                             .readText(zoomKey(), QStringLiteral("Zoom"), QStringLiteral("100"))
                             .toInt();
                     },
                     [this](int percent) {
                         context_.keys().writeText(zoomKey(), QStringLiteral("Zoom"),
                                                   QString::number(percent));
                     },
                     [this](const engine::BirthMoment& person) { requestLuck(person); },
                     context.appDir(),
                     // The texts are read later in the start-up than this is made.
                     [this]() -> const texts::LiveTexts* { return context_.liveTexts(); }} {
    QToolBar* toolbar = main_.toolbar(MainToolbar::EntBar);
    bar_ = new EntBar({context.calendar(), context.systemSettings(), context.nameList(), *this},
                      toolbar);
    toolbar->addWidget(bar_);
    connect(bar_, &EntBar::statusMessage, this, [this](const QString& text) {
        if (text.isEmpty()) {
            main_.statusBar()->clearMessage();
        } else {
            main_.statusBar()->showMessage(text);
        }
    });
    // The main window took the system font before the bar was there.
    ApplySystemFont(*bar_, context.systemSettings());
    connect(&main_, &TMainF::frameActivated, this, &ChartRequests::onFrameActivated);
    context.setWindowRequests(*this);
}

bool ChartRequests::showOpen(PersonWindow kind, const QString& name) {
    const std::string wanted = name.toStdString();
    QMdiArea& mdi = *main_.mdiArea();
    const QList<QMdiSubWindow*> windows = mdi.subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        const engine::BirthMoment* person = personOf(kind, (*it)->widget());
        if (person != nullptr && person->name == wanted) {
            (*it)->showNormal();
            mdi.setActiveSubWindow(*it);
            return true;
        }
    }
    return false;
}

bool ChartRequests::make(PersonWindow kind, const engine::BirthMoment& person) {
    if (!addPerson(context_.nameFiles(), QString::fromStdString(person.name),
                   QString::fromUtf8(engine::sexText(person.sex).data()),
                   QString::fromStdString(person.dateText),
                   QString::fromStdString(person.timeText))) {
        return false;
    }
    if (kind == PersonWindow::Chart) {
        makeChart(person);
    } else {
        makeLuck(person);
    }
    if (context_.systemSettings().tileNewWindows()) {
        main_.tile();
    }
    return true;
}

const engine::CalendarTable& ChartRequests::calendar() const {
    return context_.calendar();
}

void ChartRequests::makeChart(const engine::BirthMoment& person) {
    // The window joins the frame only once its chart stands, so a failed request leaves none.
    auto window = std::make_unique<TMeibF>(chartServices_);
    window->setWindowTitle(titleOf(PersonWindow::Chart, person));
    window->RequestChart(person);
    TMeibF& chart = *window;
    // A chart keeps its size: system menu and minimise box, no maximise.
    QMdiSubWindow* child = main_.addChild(window.release());
    child->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    emit chartOpened(chart);
}

void ChartRequests::makeLuck(const engine::BirthMoment& person) {
    auto window = std::make_unique<TKouF>(
        LuckServices{context_.calendar(), context_.ziWeiSettings(), context_.systemSettings()},
        person);
    window->setWindowTitle(titleOf(PersonWindow::Luck, person));
    main_.addChild(window.release());
}

void ChartRequests::onFrameActivated() {
    bar_->applySettings();
    const settings::SystemSettings& system = context_.systemSettings();
    if (system.hasChartLayout() && system.settingsFileExists()) {
        bar_->focusEntry();
    }
}

}  // namespace sorvik::ui
