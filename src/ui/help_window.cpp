#include "help_window.h"

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

QPointer<HelpWindow>& theWindow() {
    static QPointer<HelpWindow> window;
    return window;
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
    return window->showTopic(topic);
}

HelpWindow* helpWindow() {
    return theWindow();
}

}  // namespace sorvik::ui
