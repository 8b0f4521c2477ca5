// Lumorix's start-up, up to the first paint of its window: what tools/bench-startup measures
// against the empty window of empty_window.cpp.

#include "app/start_up.h"
#include "first_paint.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const auto window = lumorix::showProgramWindow();
    const EndAtFirstPaint end(*window);
    return QApplication::exec();
}
