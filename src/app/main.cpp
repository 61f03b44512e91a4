#include "ui/common/command_application.h"
#include "ui/shell/startup.h"

int main(int argc, char* argv[]) {
    sorvik::ui::CommandApplication app(argc, argv);
    return sorvik::ui::runSorvik();
}
