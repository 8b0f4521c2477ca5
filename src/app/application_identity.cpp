#include "application_identity.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace lumorix {

namespace {

// The icon in every size it was rendered at.
QIcon renderedIcon() {
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext()) {
        icon.addFile(sizes.next());
    }
    return icon;
}

// Without the translations installed the standard texts stay English: nothing else changes.
void installCzechStandardTexts() {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_cs"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    translator->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(translator.release());
}

} // namespace

void setUpApplicationIdentity() {
    QApplication::setApplicationName(QStringLiteral("Lumorix"));
    QApplication::setApplicationVersion(QStringLiteral(LUMORIX_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(LUMORIX_APP_ID));
    QApplication::setWindowIcon(renderedIcon());
    installCzechStandardTexts();
}

} // namespace lumorix
