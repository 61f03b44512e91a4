#include "splash_window.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace sorvik::ui {

namespace {

constexpr int kWidth = 401;
constexpr int kHeight = 239;

// "Ver" and what follows, at most ten characters.
QString versionOf(const QString& title) {
    const qsizetype at = title.indexOf(QStringLiteral("Ver"));
    return at < 0 ? QString() : title.mid(at, 10);
}

void drawChart(QPainter& p, const QRectF& r) {
    // A small palace grid, the picture of the program.
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.0));
    const double w = r.width() / 4;
    const double h = r.height() / 4;
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            if ((row == 1 || row == 2) && (col == 1 || col == 2)) {
                continue;
            }
            p.drawRect(QRectF(r.left() + col * w, r.top() + row * h, w, h));
        }
    }
    p.drawRect(QRectF(r.left() + w, r.top() + h, 2 * w, 2 * h));
}

}  // namespace

TTitleF::TTitleF(const QString& applicationTitle)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      version_(versionOf(applicationTitle)) {
    setObjectName(QStringLiteral("TitleF"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(kWidth, kHeight);
}

TTitleF::~TTitleF() {
    giveWay();
}

void TTitleF::giveWay() {
    qApp->removeEventFilter(this);
    hide();
    if (cursorSet_) {
        QApplication::restoreOverrideCursor();
        cursorSet_ = false;
    }
}

bool TTitleF::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched != this && watched->isWidgetType()) {
        const auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && widget->windowType() != Qt::ToolTip) {
            giveWay();
        }
    }
    return false;
}

void TTitleF::showNow() {
    if (const QScreen* screen = QApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    cursorSet_ = true;
    qApp->installEventFilter(this);
    show();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TTitleF::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient teal(0, 0, 0, height());
    teal.setColorAt(0, QColor(0, 128, 128));
    teal.setColorAt(1, QColor(0, 84, 96));
    p.fillRect(rect(), teal);
    p.setPen(QPen(QColor(0, 60, 60), 2));
    p.drawRect(rect().adjusted(1, 1, -2, -2));

    drawChart(p, QRectF(24, 24, 112, 112));

    QFont name(QStringLiteral("DejaVu Serif"));
    name.setPixelSize(58);
    name.setBold(true);
    name.setItalic(true);
    p.setFont(name);
    const QRect nameBox(150, 40, 240, 80);
    p.setPen(QColor(0, 230, 230));
    p.drawText(nameBox.translated(3, 3), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Sorvik"));
    p.setPen(Qt::white);
    p.drawText(nameBox, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Sorvik"));

    QFont version = font();
    version.setPixelSize(18);
    version.setBold(true);
    p.setFont(version);
    p.setPen(Qt::white);
    p.drawText(QRect(150, 120, 230, 30), Qt::AlignLeft | Qt::AlignVCenter, version_);

    QFont note = font();
    note.setPixelSize(13);
    p.setFont(note);
    p.setPen(QColor(210, 240, 240));
    p.drawText(QRect(24, 180, 353, 40), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("紫微斗数　起動しています…"));
}

}  // namespace sorvik::ui
