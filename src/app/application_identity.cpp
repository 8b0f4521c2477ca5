#include "application_identity.h"

#include <QApplication>
#include <QIcon>

namespace lumorix {

void setUpApplicationIdentity() {
    QApplication::setApplicationName(QStringLiteral("Lumorix"));
    QApplication::setApplicationVersion(QStringLiteral(LUMORIX_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(LUMORIX_APP_ID));
    // The same drawing as the installed icon; Qt renders it through its SVG icon engine.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/lumorix.svg")));
}

} // namespace lumorix
