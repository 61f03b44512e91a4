#pragma once

#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>

namespace sorvik::ui {

// The bottom row of the settings dialogs: an optional 印刷 button on the left, then OK,
// ｷｬﾝｾﾙ and ﾍﾙﾌﾟ(&H) on the right, named as the dialogs' handlers expect.
struct DialogButtons {
    QToolButton* preview = nullptr;  // only with a print preview
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* help = nullptr;
    QHBoxLayout* layout = nullptr;
};

enum class PreviewButton { kWith, kWithout };

DialogButtons makeDialogButtons(QWidget* parent, PreviewButton preview);

}  // namespace sorvik::ui
