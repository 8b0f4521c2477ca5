#include "start_up.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const auto window = lumorix::showProgramWindow();
    return QApplication::exec();
}
