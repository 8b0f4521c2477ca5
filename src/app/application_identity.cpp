#include "application_identity.h"

#include <QApplication>
#include <QDirIterator>
#include <QEvent>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTimer>
#include <QTranslator>
#include <QWidget>
#include <memory>
#include <utility>

namespace lumorix {

namespace {

// The icon in every size it was rendered at. Read as the PNG files they are: a reader left to
// find the format itself loads every image-format plug-in first.
QIcon renderedIcon() {
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext()) {
        QImageReader file(sizes.next(), "png");
        file.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(file.read()));
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

// Sets up the icon and the language once: when the event loop comes back from the window's first
// paint (its controls paint after the window itself), or at the first key or click anywhere, if
// that comes sooner, since what it opens may show Qt's own texts.
class IconAndLanguageLater final : public QObject {
public:
    explicit IconAndLanguageLater(const QWidget& window)
        : QObject(QCoreApplication::instance())
        , window_(&window) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Paint:
            if (watched == window_) {
                window_ = nullptr;
                QTimer::singleShot(0, this, &IconAndLanguageLater::setUp);
            }
            break;
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::ContextMenu:
            setUp();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void setUp() {
        if (std::exchange(done_, true))
            return;
        QCoreApplication::instance()->removeEventFilter(this);
        setUpIconAndLanguage();
        deleteLater();
    }

    const QObject* window_; // until it paints; compared with, never used
    bool done_ = false;
};

} // namespace

void setUpApplicationIdentity() {
    QApplication::setApplicationName(QStringLiteral("Lumorix"));
    QApplication::setApplicationVersion(QStringLiteral(LUMORIX_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(LUMORIX_APP_ID));
}

void setUpIconAndLanguage() {
    QApplication::setWindowIcon(renderedIcon());
    installCzechStandardTexts();
}

void setUpIconAndLanguageAfterFirstPaint(const QWidget& window) {
    new IconAndLanguageLater(window); // the application owns it; it goes once it has done its work
}

} // namespace lumorix
