#include "application_identity.h"
#include "interference_window.h"
#include "window_layout.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    lumorix::setUpApplicationIdentity();
    lumorix::setUpLookAndFeel();

    lumorix::InterferenceWindow window;
    lumorix::setUpIconAndLanguageAfterFirstPaint(window);
    window.show();
    return QApplication::exec();
}
