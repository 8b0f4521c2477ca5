#include "interference_window.h"
#include "window_layout.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumorix"));
    lumorix::setUpLookAndFeel();

    lumorix::InterferenceWindow window;
    window.show();
    return QApplication::exec();
}
