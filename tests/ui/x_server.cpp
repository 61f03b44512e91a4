#include "x_server.h"

#include <QProcess>
#include <QRegularExpression>

namespace sorvik::ui::testing {

namespace {

QString output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromLatin1(process.readAllStandardOutput());
}

int field(const QString& text, const QString& name) {
    const QRegularExpression line(QRegularExpression::escape(name) +
                                  QStringLiteral(":\\s*(-?\\d+)"));
    return line.match(text).captured(1).toInt();
}

// The geometry xwininfo reports of a window.
QRect geometry(const QString& info) {
    return {field(info, QStringLiteral("Absolute upper-left X")),
            field(info, QStringLiteral("Absolute upper-left Y")),
            field(info, QStringLiteral("Width")), field(info, QStringLiteral("Height"))};
}

// The numbers after "=" of an xprop line.
QList<qulonglong> numbers(const QString& out, QChar after) {
    QList<qulonglong> values;
    const qsizetype at = out.indexOf(after);
    if (at < 0) {
        return values;
    }
    for (const QString& piece : out.mid(at + 1).split(u',')) {
        bool ok = false;
        const qulonglong value = piece.trimmed().toULongLong(&ok, 0);
        if (ok) {
            values << value;
        }
    }
    return values;
}

}  // namespace

QList<WId> rootWindows(const QString& property) {
    QList<WId> ids;
    for (const qulonglong id :
         numbers(output(QStringLiteral("xprop"), {QStringLiteral("-root"), property}), u'#')) {
        ids << static_cast<WId>(id);
    }
    return ids;
}

QRect xScreen() {
    return geometry(output(QStringLiteral("xwininfo"), {QStringLiteral("-root")}));
}

XWindow askXServer(WId window) {
    const QString id = QString::number(window);
    const QString info = output(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
    XWindow seen;
    seen.viewable = info.contains(QStringLiteral("IsViewable"));
    seen.frame = geometry(info);
    // left, right, top, bottom
    const QList<qulonglong> extents =
        numbers(output(QStringLiteral("xprop"),
                       {QStringLiteral("-id"), id, QStringLiteral("_NET_FRAME_EXTENTS")}),
                u'=');
    if (extents.size() == 4) {
        seen.frame.adjust(-static_cast<int>(extents[0]), -static_cast<int>(extents[2]),
                          static_cast<int>(extents[1]), static_cast<int>(extents[3]));
    }
    // flags, functions, decorations, …: without the functions flag, or with "all", every one.
    const QList<qulonglong> motif =
        numbers(output(QStringLiteral("xprop"),
                       {QStringLiteral("-id"), id, QStringLiteral("_MOTIF_WM_HINTS")}),
                u'=');
    const bool limited = motif.size() >= 2 && (motif[0] & 1) != 0 && (motif[1] & 1) == 0;
    seen.offersMinimise = !limited || (motif[1] & 0x08) != 0;
    seen.offersMaximise = !limited || (motif[1] & 0x10) != 0;
    const QList<WId> stacking = rootWindows(QStringLiteral("_NET_CLIENT_LIST_STACKING"));
    seen.active = rootWindows(QStringLiteral("_NET_ACTIVE_WINDOW")).value(0) == window;
    seen.topmost = !stacking.isEmpty() && stacking.last() == window;
    return seen;
}

}  // namespace sorvik::ui::testing
