#pragma once

#include <QMargins>
#include <QRect>
#include <QString>

class QWidget;

namespace sorvik::platform {

class KeyStore;

// A window's placement kept as a binary value of the key store (the window's name followed by
// "WinPlace1"), in the toolkit's own geometry record.
void savePlacement(KeyStore& keys, const QString& key, const QString& valueName,
                   const QWidget& window);

// Applies a stored placement to a window that is not shown yet: its position and size, and
// with `keepState` false the window keeps the state (normal or maximised) it has been given,
// with true it takes the stored one. False when nothing usable is stored.
bool restorePlacement(const KeyStore& keys, const QString& key, const QString& valueName,
                      QWidget& window, bool keepState = true);

// The window rectangle, frame included, moved into `area` and shrunk to it where it is larger.
QRect fitInside(const QRect& frame, const QRect& area);

// The frame the window manager puts around a window: none for a frameless one, the window's
// own once it has one, else that of a window already on the screen (the given one first), else
// a generous guess.
QMargins frameMarginsOf(const QWidget& window, const QWidget* shown);

// Moves (and if need be shrinks) a top-level window so that it lies wholly, frame included, on
// the available part of the screen that shows `anchor` (the primary screen without one). A
// window that has never been given a position is centred over the anchor's window first.
void keepOnScreen(QWidget& window, const QWidget* anchor);

}  // namespace sorvik::platform
