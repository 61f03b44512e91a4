#include <gtest/gtest.h>

#include "ui/common/command_application.h"

// Desktop pieces need an application object and its event loop.
int main(int argc, char** argv) {
    sorvik::ui::CommandApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
