#pragma once

#include <exception>
#include <functional>

#include <QString>

class QAction;
class QMenu;

namespace sorvik::ui {

// The text an error box shows for an exception: the Japanese message of the program's own
// errors, or the unforeseen-error line followed by whatever text another exception carries.
QString errorMessage(const std::exception& error);

// Runs one user command to its end. Whatever it throws ends the command with its message in an
// error box and leaves the program running; the result is false then. Every slot, event
// handler and start-up step that can meet an error runs through here, so that no exception
// reaches Qt's event loop.
bool runUserCommand(const std::function<void()>& command);

// A menu item whose command runs through runUserCommand.
QAction* addCommand(QMenu& menu, const QString& text, std::function<void()> command);

}  // namespace sorvik::ui
