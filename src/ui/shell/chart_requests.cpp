#include "chart_requests.h"

#include <memory>

#include <QComboBox>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QToolBar>

#include "app_context.h"
#include "main_window.h"
#include "ui/common/system_font.h"
#include "ui/entry/entry_bar.h"
#include "ui/luck/luck_window.h"

namespace sorvik::ui {

namespace {

// The zoom of the chart windows, kept for the next chart and the next run.
QString zoomKey() {
    return TMainF::productKey() + QStringLiteral("\\MeibF");
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
                     [this](const QString& name, const QString& sex, const QString& date,
                            const QString& time) {
                         bar_->fillEntry(name, sex, date, time);
                         bar_->KouBtnClick();
                     },
                     context.appDir(),
                     // The texts are read later in the start-up than this is made.
                     [this]() -> const texts::LiveTexts* { return context_.liveTexts(); }} {
    QToolBar* toolbar = main_.toolbar(MainToolbar::EntBar);
    bar_ = new EntBar(
        {*main_.mdiArea(), context.calendar(), context.systemSettings(), context.nameFiles(),
         [this](const engine::BirthMoment& person, const QString& title) {
             makeChart(person, title);
         },
         [this](const engine::BirthMoment& person, const QString& title) {
             makeLuck(person, title);
         },
         [this] { main_.tile(); }},
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
}

void ChartRequests::makeChart(const engine::BirthMoment& person, const QString& title) {
    // The window joins the frame only once its chart stands, so a failed request leaves none.
    auto window = std::make_unique<TMeibF>(chartServices_);
    window->setWindowTitle(title);
    window->RequestChart(person);
    TMeibF& chart = *window;
    // A chart keeps its size: system menu and minimise box, no maximise.
    QMdiSubWindow* child = main_.addChild(window.release());
    child->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    emit chartOpened(chart);
}

void ChartRequests::makeLuck(const engine::BirthMoment& person, const QString& title) {
    auto window = std::make_unique<TKouF>(
        LuckServices{context_.calendar(), context_.ziWeiSettings(), context_.systemSettings()},
        person);
    window->setWindowTitle(title);
    main_.addChild(window.release());
}

void ChartRequests::onFrameActivated() {
    bar_->applySettings();
    const settings::SystemSettings& system = context_.systemSettings();
    if (system.hasChartLayout() && system.settingsFileExists()) {
        bar_->nameBox()->setFocus();
    }
}

}  // namespace sorvik::ui
