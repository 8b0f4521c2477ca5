// Tests of the on-screen back ends paint into images, headless on Qt's offscreen platform.

#include <QGuiApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
