#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

namespace sorvik::ui::testing {

// What the X server and the window manager say of one window, asked with xprop and xwininfo
// rather than of Qt, which only knows what it asked for.
struct XWindow {
    bool viewable = false;  // mapped, and its parents too
    QRect frame;            // with the window manager's frame, in screen pixels
    bool active = false;    // _NET_ACTIVE_WINDOW
    bool topmost = false;   // the top of _NET_CLIENT_LIST_STACKING
    // What the program asks of the window manager (_MOTIF_WM_HINTS). openbox draws its
    // minimise and maximise buttons whatever a window asks.
    bool offersMinimise = false;
    bool offersMaximise = false;
};

XWindow askXServer(WId window);
QRect xScreen();
// The windows an EWMH property of the root window names, in its order.
QList<WId> rootWindows(const QString& property);

}  // namespace sorvik::ui::testing
