#pragma once

#include <QList>
#include <QPoint>
#include <QString>

class QMainWindow;
class QToolBar;

namespace sorvik::platform {
class ProfileFile;
}

namespace sorvik::ui {

// Where a toolbar sits, as the layout file records it: the dock by name ("Dock97" top,
// "Dock971" left, "Dock972" bottom, "Dock973" right, "+" floating), the row within the dock and
// the position along the row.
struct ToolbarPlacement {
    QString dockedTo = QStringLiteral("Dock97");
    QString lastDock = QStringLiteral("Dock97");
    int row = 0;
    int pos = 0;
    bool visible = true;
    QPoint floatPos;
    friend bool operator==(const ToolbarPlacement&, const ToolbarPlacement&) = default;
};

QString layoutSection(const QToolBar& toolbar);  // "TBarPos" + the toolbar's name

// The placements as they are on the screen now (the window must have been laid out). A hidden
// toolbar keeps the placement it had when it was last arranged.
QList<ToolbarPlacement> currentPlacements(const QMainWindow& window,
                                          const QList<QToolBar*>& toolbars);

// Keeps the present placements, for toolbars about to be hidden.
void rememberPlacements(const QMainWindow& window, const QList<QToolBar*>& toolbars);

void saveToolbarLayout(const QMainWindow& window, const QList<QToolBar*>& toolbars,
                       platform::ProfileFile& file);

// Starts from the given placements, takes those of the file that are readable (a section whose
// Rev is neither 2 nor 3 is ignored) and arranges the toolbars. A toolbar recorded as floating
// floats again at its place, in a frame of its own.
void loadToolbarLayout(QMainWindow& window, const QList<QToolBar*>& toolbars,
                       QList<ToolbarPlacement> placements, const platform::ProfileFile& file);

void arrangeToolbars(QMainWindow& window, const QList<QToolBar*>& toolbars,
                     const QList<ToolbarPlacement>& placements);

}  // namespace sorvik::ui
