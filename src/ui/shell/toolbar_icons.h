#pragma once

#include <QIcon>

namespace sorvik::ui {

// The pictures of the main window's buttons, drawn here so that they are our own.
enum class ToolbarIcon {
    NameList,
    NewFile,
    OpenFile,
    SaveFile,
    SystemSettings,
    ZiWeiSettings,
    Backup,
    CloseAll,
    MinimiseAll,
    Tile,
    Cascade,
    Help,
    SupportPage,
    Announcements,
    Program,  // the program's own window icon
};

QIcon toolbarIcon(ToolbarIcon kind);

}  // namespace sorvik::ui
