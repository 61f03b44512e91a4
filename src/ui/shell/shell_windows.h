#pragma once

namespace sorvik::ui {

class AppContext;
class TMainF;

// The shell's own windows, made and wired to the main window's items in the start-up order:
// the calendar editor (TKHyoF), backup and restore (TBackF, made anew for each opening) and
// the tools settings (TTools, which builds the tools menu).
void attachCalendarEditor(TMainF& mainWindow, AppContext& context);
void attachBackup(TMainF& mainWindow, AppContext& context);
void attachTools(TMainF& mainWindow, AppContext& context);

}  // namespace sorvik::ui
