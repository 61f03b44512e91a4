#include "error_boundary.h"

#include <QMenu>

#include "engine/errors.h"
#include "platform/prompts.h"

namespace sorvik::ui {

namespace {

const QString kUnforeseen = QStringLiteral("予期しないｴﾗｰが発生しました。");

}  // namespace

QString errorMessage(const std::exception& error) {
    const QString text = QString::fromUtf8(error.what());
    if (dynamic_cast<const Error*>(&error)) {
        return text;
    }
    return text.isEmpty() ? kUnforeseen : kUnforeseen + u'\n' + text;
}

bool runUserCommand(const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const Error& error) {
        platform::Prompts::error(QString::fromUtf8(error.what()));
    } catch (const std::exception& error) {
        platform::Prompts::error(errorMessage(error));
    } catch (...) {
        platform::Prompts::error(kUnforeseen);
    }
    return false;
}

QAction* addCommand(QMenu& menu, const QString& text, std::function<void()> command) {
    return menu.addAction(text, &menu, [command = std::move(command)] { runUserCommand(command); });
}

}  // namespace sorvik::ui
