// Widget tests run headless on Qt's offscreen platform unless a display is chosen explicitly.

#include "app/application_identity.h"
#include "app/window_layout.h"

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
#ifdef LUMORIX_PLATFORM
    setenv("QT_QPA_PLATFORM", LUMORIX_PLATFORM, 1);
#else
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
#endif
#ifdef LUMORIX_SCALE_FACTOR
    setenv("QT_SCALE_FACTOR", LUMORIX_SCALE_FACTOR, 1);
#endif
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    lumorix::setUpApplicationIdentity();
    // From the start, as the program has them by the time anyone uses it; the tests of the
    // start-up leave them to the window, as the program does.
#ifndef LUMORIX_START_UP_UNDER_TEST
    lumorix::setUpIconAndLanguage();
#endif
    lumorix::setUpLookAndFeel();
    // A test that closes its window must not end the event loops of the tests after it.
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
