#include "toolbar_icons.h"

#include <cmath>
#include <numbers>

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace sorvik::ui {

namespace {

constexpr int kSize = 24;

const QColor kInk(40, 48, 72);
const QColor kPaper(255, 255, 255);
const QColor kFolder(236, 190, 80);
const QColor kBlue(52, 102, 190);
const QColor kPurple(128, 60, 170);
const QColor kGreen(40, 140, 90);
const QColor kRed(200, 50, 50);
const QColor kWindowTitle(60, 110, 200);

void page(QPainter& p, const QRectF& r) {
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - 5, r.top());
    path.lineTo(r.right(), r.top() + 5);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 5, r.top()), QPointF(r.right() - 5, r.top() + 5));
    p.drawLine(QPointF(r.right() - 5, r.top() + 5), QPointF(r.right(), r.top() + 5));
}

void miniWindow(QPainter& p, const QRectF& r) {
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(kPaper);
    p.drawRect(r);
    p.fillRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 1, 3.5), kWindowTitle);
}

void star(QPainter& p, QPointF centre, double outer, const QColor& colour) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outer : outer * 0.42;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF point(centre.x() + radius * std::cos(angle),
                            centre.y() + radius * std::sin(angle));
        i == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    path.closeSubpath();
    p.setPen(QPen(colour.darker(140), 1.0));
    p.setBrush(colour);
    p.drawPath(path);
}

void letter(QPainter& p, const QRectF& r, const QString& text, const QColor& colour) {
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(static_cast<int>(r.height() * 0.8));
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
}

void draw(QPainter& p, ToolbarIcon kind) {
    switch (kind) {
        case ToolbarIcon::NameList:
            page(p, QRectF(4, 2, 16, 20));
            p.setPen(QPen(kBlue, 1.6));
            for (int row = 0; row < 4; ++row) {
                const double y = 8 + row * 3.5;
                p.drawPoint(QPointF(7.5, y));
                p.drawLine(QPointF(10, y), QPointF(17, y));
            }
            break;
        case ToolbarIcon::NewFile:
            page(p, QRectF(5, 2, 14, 20));
            star(p, QPointF(17, 17), 5, QColor(250, 210, 40));
            break;
        case ToolbarIcon::OpenFile: {
            p.setPen(QPen(kInk, 1.2));
            p.setBrush(kFolder.darker(115));
            p.drawRect(QRectF(2, 6, 18, 14));
            p.drawRect(QRectF(2, 4, 7, 2));
            QPolygonF flap({QPointF(5, 10), QPointF(22, 10), QPointF(19, 20), QPointF(2, 20)});
            p.setBrush(kFolder);
            p.drawPolygon(flap);
            break;
        }
        case ToolbarIcon::SaveFile:
            p.setPen(QPen(kInk, 1.2));
            p.setBrush(kBlue);
            p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
            p.setBrush(kPaper);
            p.drawRect(QRectF(6, 3, 12, 7));
            p.setBrush(QColor(200, 200, 210));
            p.drawRect(QRectF(7, 14, 10, 7));
            p.fillRect(QRectF(13, 15.5, 2, 4), kInk);
            break;
        case ToolbarIcon::SystemSettings: {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(110, 120, 140));
            const QPointF c(12, 12);
            for (int i = 0; i < 8; ++i) {
                p.save();
                p.translate(c);
                p.rotate(i * 45.0);
                p.drawRect(QRectF(-2, -10, 4, 5));
                p.restore();
            }
            p.drawEllipse(c, 7, 7);
            p.setBrush(kPaper);
            p.drawEllipse(c, 3, 3);
            break;
        }
        case ToolbarIcon::ZiWeiSettings:
            star(p, QPointF(12, 12.5), 10.5, kPurple);
            break;
        case ToolbarIcon::Backup:
            p.setPen(QPen(kInk, 1.2));
            p.setBrush(QColor(180, 200, 230));
            p.drawRect(QRectF(3, 9, 18, 12));
            p.setBrush(kPaper);
            p.drawRect(QRectF(6, 2, 12, 8));
            p.setPen(QPen(kGreen, 2.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(12, 10), QPointF(12, 18));
            p.drawLine(QPointF(8.5, 14.5), QPointF(12, 18));
            p.drawLine(QPointF(15.5, 14.5), QPointF(12, 18));
            break;
        case ToolbarIcon::CloseAll:
            miniWindow(p, QRectF(2.5, 2.5, 14, 11));
            miniWindow(p, QRectF(7.5, 9.5, 14, 11));
            p.setPen(QPen(kRed, 2.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(11, 12.5), QPointF(18, 19));
            p.drawLine(QPointF(18, 12.5), QPointF(11, 19));
            break;
        case ToolbarIcon::MinimiseAll:
            miniWindow(p, QRectF(3.5, 2.5, 17, 10));
            p.setPen(QPen(kInk, 1.0));
            p.setBrush(kWindowTitle);
            p.drawRect(QRectF(2.5, 17.5, 8, 4));
            p.drawRect(QRectF(13.5, 17.5, 8, 4));
            break;
        case ToolbarIcon::Tile:
            miniWindow(p, QRectF(1.5, 2.5, 10, 9));
            miniWindow(p, QRectF(12.5, 2.5, 10, 9));
            miniWindow(p, QRectF(1.5, 12.5, 10, 9));
            break;
        case ToolbarIcon::Cascade:
            miniWindow(p, QRectF(1.5, 1.5, 13, 10));
            miniWindow(p, QRectF(5.5, 6.5, 13, 10));
            miniWindow(p, QRectF(9.5, 11.5, 13, 10));
            break;
        case ToolbarIcon::Help:
            p.setPen(QPen(kBlue.darker(130), 1.2));
            p.setBrush(kBlue);
            p.drawEllipse(QRectF(2, 2, 20, 20));
            letter(p, QRectF(2, 2, 20, 20), QStringLiteral("?"), kPaper);
            break;
        case ToolbarIcon::SupportPage:
            p.setPen(QPen(kGreen.darker(130), 1.2));
            p.setBrush(QColor(120, 190, 230));
            p.drawEllipse(QRectF(2, 2, 20, 20));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(7, 2, 10, 20));
            p.drawLine(QPointF(2, 12), QPointF(22, 12));
            p.drawLine(QPointF(4, 7), QPointF(20, 7));
            p.drawLine(QPointF(4, 17), QPointF(20, 17));
            break;
        case ToolbarIcon::Announcements: {
            p.setPen(QPen(kInk, 1.2));
            p.setBrush(QColor(255, 240, 170));
            QPainterPath bubble;
            bubble.addRoundedRect(QRectF(2, 3, 20, 14), 4, 4);
            bubble.moveTo(7, 16);
            bubble.lineTo(6, 22);
            bubble.lineTo(12, 16.5);
            p.drawPath(bubble.simplified());
            letter(p, QRectF(2, 3, 20, 14), QStringLiteral("i"), kBlue);
            break;
        }
        case ToolbarIcon::Program:
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 110, 120));
            p.drawRoundedRect(QRectF(1, 1, 22, 22), 3, 3);
            p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(3.5, 3.5, 17, 17));
            p.drawRect(QRectF(7.75, 7.75, 8.5, 8.5));
            star(p, QPointF(12, 12.3), 5.5, QColor(250, 210, 40));
            break;
    }
}

}  // namespace

QIcon toolbarIcon(ToolbarIcon kind) {
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(kSize * scale, kSize * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        draw(painter, kind);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace sorvik::ui
