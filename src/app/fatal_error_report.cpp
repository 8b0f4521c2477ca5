#include "fatal_error_report.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace lumorix {

void showFatalErrorAndQuit(QWidget* window, const FatalError& error) {
    QMessageBox::critical(window, QStringLiteral("Lumorix"),
                          QStringLiteral("Chyba za běhu číslo %1:\n%2")
                              .arg(error.number())
                              .arg(QString::fromStdString(error.description())));
    QCoreApplication::exit(1);
}

} // namespace lumorix
