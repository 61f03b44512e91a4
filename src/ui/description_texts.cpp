#include "description_texts.h"

#include "main_window.h"

namespace sorvik::ui {

DescriptionTexts::DescriptionTexts(TMainF& mainWindow)
    : QObject(&mainWindow), lists_(texts::readLiveTexts(mainWindow.appDir())) {
    setObjectName(QStringLiteral("DescriptionTexts"));
}

DescriptionTexts* DescriptionTexts::of(const TMainF& mainWindow) {
    return mainWindow.findChild<DescriptionTexts*>(QStringLiteral("DescriptionTexts"),
                                                   Qt::FindDirectChildrenOnly);
}

}  // namespace sorvik::ui
