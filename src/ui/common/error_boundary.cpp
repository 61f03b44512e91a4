#include "error_boundary.h"

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

}  // namespace sorvik::ui
