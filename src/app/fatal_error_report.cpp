#include "fatal_error_report.h"

#include "design/window_texts.h"
#include "qt_design.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace lumorix {

void showFatalErrorAndQuit(QWidget* window, const FatalError& error) {
    QMessageBox::critical(window, qtText(dialogTitle), qtText(fatalErrorMessage(error)));
    QCoreApplication::exit(1);
}

} // namespace lumorix
