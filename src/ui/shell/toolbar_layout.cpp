#include "toolbar_layout.h"

#include <algorithm>
#include <map>
#include <set>

#include <QMainWindow>
#include <QToolBar>
#include <QVariant>

#include "platform/profile_file.h"
#include "toolbar_frame.h"

namespace sorvik::ui {

namespace {

constexpr int kRev = 3;
const char* const kRemembered = "sorvikPlacement";

struct Dock {
    const char* name;
    Qt::ToolBarArea area;
};
constexpr Dock kDocks[] = {
    {"Dock97", Qt::TopToolBarArea},
    {"Dock971", Qt::LeftToolBarArea},
    {"Dock972", Qt::BottomToolBarArea},
    {"Dock973", Qt::RightToolBarArea},
};

QString dockName(Qt::ToolBarArea area) {
    for (const Dock& dock : kDocks) {
        if (dock.area == area) {
            return QString::fromLatin1(dock.name);
        }
    }
    return QString::fromLatin1(kDocks[0].name);
}

Qt::ToolBarArea areaOf(const QString& name) {
    for (const Dock& dock : kDocks) {
        if (name.compare(QLatin1String(dock.name), Qt::CaseInsensitive) == 0) {
            return dock.area;
        }
    }
    return Qt::NoToolBarArea;
}

bool horizontal(Qt::ToolBarArea area) {
    return area == Qt::TopToolBarArea || area == Qt::BottomToolBarArea;
}

void remember(QToolBar& toolbar, const ToolbarPlacement& placement) {
    toolbar.setProperty(kRemembered, QVariant::fromValue(QList<QVariant>{
                                         placement.dockedTo, placement.lastDock, placement.row,
                                         placement.pos, placement.visible, placement.floatPos}));
}

ToolbarPlacement remembered(const QToolBar& toolbar) {
    const QList<QVariant> values = toolbar.property(kRemembered).toList();
    ToolbarPlacement placement;
    if (values.size() == 6) {
        placement = {values[0].toString(), values[1].toString(), values[2].toInt(),
                     values[3].toInt(),    values[4].toBool(),   values[5].toPoint()};
    }
    return placement;
}

}  // namespace

QString layoutSection(const QToolBar& toolbar) {
    return QStringLiteral("TBarPos") + toolbar.objectName();
}

QList<ToolbarPlacement> currentPlacements(const QMainWindow& window,
                                          const QList<QToolBar*>& toolbars) {
    // Rows are told apart by their offset across the dock, counted among the shown toolbars.
    std::map<Qt::ToolBarArea, std::set<int>> rowOffsets;
    for (const QToolBar* toolbar : toolbars) {
        const Qt::ToolBarArea area = window.toolBarArea(const_cast<QToolBar*>(toolbar));
        if (!toolbar->isHidden() && !toolbar->isFloating() && frameOf(*toolbar) == nullptr) {
            rowOffsets[area].insert(horizontal(area) ? toolbar->y() : toolbar->x());
        }
    }
    QList<ToolbarPlacement> placements;
    for (const QToolBar* toolbar : toolbars) {
        ToolbarPlacement placement = remembered(*toolbar);
        const Qt::ToolBarArea area = window.toolBarArea(const_cast<QToolBar*>(toolbar));
        placement.visible = !toolbar->isHidden();
        if (const ToolbarFrame* frame = frameOf(*toolbar)) {
            // Hidden or not, a bar in a frame of its own floats there.
            placement.dockedTo = QStringLiteral("+");
            placement.lastDock = dockName(frame->lastArea());
            placement.floatPos = frame->pos();
        } else if (placement.visible && toolbar->isFloating()) {
            placement.dockedTo = QStringLiteral("+");
            placement.floatPos = toolbar->pos();
        } else if (placement.visible) {
            const std::set<int>& offsets = rowOffsets[area];
            const int offset = horizontal(area) ? toolbar->y() : toolbar->x();
            placement.dockedTo = dockName(area);
            placement.lastDock = placement.dockedTo;
            placement.row = static_cast<int>(std::distance(offsets.begin(), offsets.find(offset)));
            placement.pos = horizontal(area) ? toolbar->x() : toolbar->y();
        }
        placements.append(placement);
    }
    return placements;
}

void rememberPlacements(const QMainWindow& window, const QList<QToolBar*>& toolbars) {
    const QList<ToolbarPlacement> placements = currentPlacements(window, toolbars);
    for (qsizetype i = 0; i < toolbars.size(); ++i) {
        remember(*toolbars[i], placements[i]);
    }
}

void saveToolbarLayout(const QMainWindow& window, const QList<QToolBar*>& toolbars,
                       platform::ProfileFile& file) {
    const QList<ToolbarPlacement> placements = currentPlacements(window, toolbars);
    for (qsizetype i = 0; i < toolbars.size(); ++i) {
        const QString section = layoutSection(*toolbars[i]);
        const ToolbarPlacement& p = placements[i];
        file.writeInteger(section, QStringLiteral("Rev"), kRev);
        file.writeInteger(section, QStringLiteral("Visible"), p.visible ? 1 : 0);
        file.writeString(section, QStringLiteral("DockedTo"), p.dockedTo);
        file.writeString(section, QStringLiteral("LastDock"), p.lastDock);
        file.writeInteger(section, QStringLiteral("DockRow"), p.row);
        file.writeInteger(section, QStringLiteral("DockPos"), p.pos);
        file.writeInteger(section, QStringLiteral("FloatLeft"), p.floatPos.x());
        file.writeInteger(section, QStringLiteral("FloatTop"), p.floatPos.y());
    }
}

void loadToolbarLayout(QMainWindow& window, const QList<QToolBar*>& toolbars,
                       QList<ToolbarPlacement> placements, const platform::ProfileFile& file) {
    for (qsizetype i = 0; i < toolbars.size(); ++i) {
        const QString section = layoutSection(*toolbars[i]);
        const int rev = file.readInteger(section, QStringLiteral("Rev"), 0);
        if (rev != 2 && rev != 3) {
            continue;
        }
        ToolbarPlacement& p = placements[i];
        p.visible = file.readInteger(section, QStringLiteral("Visible"), p.visible ? 1 : 0) != 0;
        p.dockedTo = file.readString(section, QStringLiteral("DockedTo"), p.dockedTo);
        p.lastDock = file.readString(section, QStringLiteral("LastDock"), p.lastDock);
        p.row = file.readInteger(section, QStringLiteral("DockRow"), p.row);
        p.pos = file.readInteger(section, QStringLiteral("DockPos"), p.pos);
        p.floatPos = QPoint(file.readInteger(section, QStringLiteral("FloatLeft"), 0),
                            file.readInteger(section, QStringLiteral("FloatTop"), 0));
        // A dock name we do not know falls back to where the toolbar would start.
        if (p.dockedTo != QStringLiteral("+") && areaOf(p.dockedTo) == Qt::NoToolBarArea) {
            p.dockedTo = placements[i].lastDock;
        }
    }
    arrangeToolbars(window, toolbars, placements);
}

void arrangeToolbars(QMainWindow& window, const QList<QToolBar*>& toolbars,
                     const QList<ToolbarPlacement>& placements) {
    struct Slot {
        Qt::ToolBarArea area;
        int row;
        int pos;
        qsizetype index;
    };
    QList<Slot> placed;
    for (qsizetype i = 0; i < toolbars.size(); ++i) {
        const ToolbarPlacement& p = placements[i];
        Qt::ToolBarArea area = areaOf(p.dockedTo == QStringLiteral("+") ? p.lastDock : p.dockedTo);
        if (area == Qt::NoToolBarArea || !(toolbars[i]->allowedAreas() & area)) {
            area = Qt::TopToolBarArea;
        }
        placed.append({area, p.row, p.pos, i});
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Slot& a, const Slot& b) {
        return std::tie(a.area, a.row, a.pos) < std::tie(b.area, b.row, b.pos);
    });
    for (QToolBar* toolbar : toolbars) {
        dockToolbar(window, *toolbar, Qt::NoToolBarArea);
        window.removeToolBar(toolbar);
    }
    for (qsizetype s = 0; s < placed.size(); ++s) {
        const Slot& slot = placed[s];
        if (s > 0 && placed[s - 1].area == slot.area && placed[s - 1].row != slot.row) {
            window.addToolBarBreak(slot.area);
        }
        QToolBar* toolbar = toolbars[slot.index];
        window.addToolBar(slot.area, toolbar);
        toolbar->setVisible(placements[slot.index].visible);
        remember(*toolbar, placements[slot.index]);
    }
    for (qsizetype i = 0; i < toolbars.size(); ++i) {
        if (placements[i].dockedTo == QStringLiteral("+") && toolbars[i]->isFloatable()) {
            floatToolbar(window, *toolbars[i], placements[i].floatPos);
        }
    }
}

}  // namespace sorvik::ui
