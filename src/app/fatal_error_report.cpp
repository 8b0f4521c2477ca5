#include "fatal_error_report.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <new>

namespace lumorix {

void showFatalErrorAndQuit(QWidget* window, const FatalError& error) {
    QMessageBox::critical(window, QStringLiteral("Lumorix"),
                          QStringLiteral("Chyba za běhu číslo %1:\n%2")
                              .arg(error.number())
                              .arg(QString::fromStdString(error.description())));
    QCoreApplication::exit(1);
}

FatalError unexpectedFailure(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::bad_alloc&) {
        return {7, "Nedostatek paměti"};
    } catch (const std::exception& error) {
        return {51, std::string("Vnitřní chyba: ") + error.what()};
    } catch (...) {
        return {51, "Vnitřní chyba"};
    }
}

} // namespace lumorix
