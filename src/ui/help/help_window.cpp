#include "help_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/help_pages.h"
#include "platform/prompts.h"
#include "platform/shell_open.h"

namespace sorvik::ui {

namespace {

const char* const kTopicProperty = "helpTopic";

QPointer<HelpWindow>& theWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

// A modal dialog blocks every window that is not its own; as its child window the viewer
// stands in front of it and stays usable.
void placeForModalDialog(HelpWindow& window) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == &window || window.parentWidget() == modal) {
        return;
    }
    const QRect geometry = window.geometry();
    const bool wasShown = window.isVisible();
    window.setParent(modal, Qt::Window);
    if (wasShown) {
        window.setGeometry(geometry);
    }
}

}  // namespace

HelpWindow::HelpWindow(const QString& appDir)
    : QWidget(nullptr, Qt::Window), appDir_(appDir), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QApplication::applicationName() + QStringLiteral(" ﾍﾙﾌﾟ"));
    resize(640, 520);

    auto* back = new QPushButton(QStringLiteral("戻る"), this);
    auto* contents = new QPushButton(QStringLiteral("目次"), this);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(contents);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    // Pages link to each other; addresses outside the help go to the desktop's browser.
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.isLocalFile() || url.isRelative()) {
            bool ok = false;
            const int topic = QFileInfo(url.path()).baseName().toInt(&ok);
            if (ok) {
                showTopic(topic);
            }
            return;
        }
        platform::shellOpenDocument(url.toString());
    });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    back->setEnabled(false);
    connect(contents, &QPushButton::clicked, this,
            [this] { showTopic(platform::kHelpContentsTopic); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

bool HelpWindow::showTopic(int topic) {
    const QString page = platform::helpPagePath(appDir_, topic);
    if (!QFileInfo(page).isFile()) {
        platform::Prompts::error(
            QStringLiteral("ﾍﾙﾌﾟのﾄﾋﾟｯｸ %1 が見つかりません。（%2）").arg(topic).arg(page),
            QApplication::applicationName());
        return false;
    }
    browser_->setSource(QUrl::fromLocalFile(page));
    topic_ = topic;
    show();
    raise();
    activateWindow();
    return true;
}

bool showHelpTopic(const QString& appDir, int topic) {
    QPointer<HelpWindow>& window = theWindow();
    if (!window) {
        window = new HelpWindow(appDir);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    placeForModalDialog(*window);
    return window->showTopic(topic);
}

HelpWindow* helpWindow() {
    return theWindow();
}

void setHelpTopic(QWidget& window, int topic) {
    window.setProperty(kTopicProperty, topic);
}

int helpTopicAt(const QWidget* widget, int fallback) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        bool ok = false;
        const int topic = widget->property(kTopicProperty).toInt(&ok);
        if (ok && topic > 0) {
            return topic;
        }
    }
    return fallback;
}

void connectHelp(QWidget& window, const QString& appDir, int topic, QAbstractButton* button) {
    setHelpTopic(window, topic);
    const auto open = [appDir, topic] { showHelpTopic(appDir, topic); };
    if (button != nullptr) {
        QObject::connect(button, &QAbstractButton::clicked, &window, open);
    }
    // A tool window takes its parent's shortcuts, whose F1 finds the topic set here.
    if (window.windowType() == Qt::Tool && window.parentWidget() != nullptr) {
        return;
    }
    auto* f1 = new QAction(&window);
    f1->setObjectName(QStringLiteral("HelpKey"));
    f1->setShortcut(Qt::Key_F1);
    f1->setShortcutContext(Qt::WindowShortcut);
    window.addAction(f1);
    QObject::connect(f1, &QAction::triggered, &window, open);
}

}  // namespace sorvik::ui
