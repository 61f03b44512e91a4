#include <QApplication>

#include <gtest/gtest.h>

// Desktop pieces need an application object and its event loop.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
