// The baseline of start-up: the least a Qt Widgets program does to open an 800 × 600 grey window,
// up to its first paint.

#include "first_paint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(800, 600);
    QPalette grey = window.palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    window.setPalette(grey);
    window.show();
    const EndAtFirstPaint end(window);
    return QApplication::exec();
}
