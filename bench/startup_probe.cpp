// Lumorix's start-up, up to the first paint of its window: what tools/bench-startup measures
// against the empty window of empty_window.cpp.

#include "app/application_identity.h"
#include "app/interference_window.h"
#include "app/window_layout.h"
#include "first_paint.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    lumorix::setUpApplicationIdentity();
    lumorix::setUpLookAndFeel();

    lumorix::InterferenceWindow window;
    lumorix::setUpIconAndLanguageAfterFirstPaint(window);
    window.show();
    const EndAtFirstPaint end(window);
    return QApplication::exec();
}
