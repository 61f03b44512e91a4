#include <QApplication>

#include "ui/shell/startup.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return sorvik::ui::runSorvik(app);
}
