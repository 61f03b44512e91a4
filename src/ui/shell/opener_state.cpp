#include "opener_state.h"

#include <algorithm>

#include <QAction>

namespace sorvik::ui {

void enableWhileAnyEnabled(QAction& opener, const QList<QAction*>& items) {
    const auto update = [&opener, items] {
        opener.setEnabled(std::any_of(items.begin(), items.end(),
                                      [](const QAction* item) { return item->isEnabled(); }));
    };
    for (QAction* item : items) {
        QObject::connect(item, &QAction::enabledChanged, &opener, update);
    }
    update();
}

}  // namespace sorvik::ui
