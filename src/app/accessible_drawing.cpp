#include "accessible_drawing.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <utility>

namespace lumorix {

namespace {

// Screen readers announce a graphic as a picture and read its description; a plain widget would
// be an anonymous filler that they skip.
QAccessibleInterface* drawingInterface(const QString& className, QObject* object) {
    if (className != QLatin1String(AccessibleDrawing::staticMetaObject.className()))
        return nullptr;
    // Qt's accessibility cache owns the interface.
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
}

const std::pair<std::string_view, const char*> patternDescriptions[] = {
    {"0", "Vpravo od osy je interferenční obrazec světla: vodorovné pruhy, tím delší, čím je "
          "v tom místě detektoru jasněji."},
    {"1", "Vpravo od osy je pravděpodobnostní obrazec fotonu: vodorovné pruhy, tím delší, čím "
          "pravděpodobněji tam foton dopadne."},
    {"2", "Vpravo od osy je obrazec dopadů fotonů: bílé tečky, tím hustší, čím víc fotonů tam "
          "dopadá."},
};

} // namespace

AccessibleDrawing::AccessibleDrawing(QWidget& window)
    : QWidget(&window) {
    QAccessible::installFactory(drawingInterface);
    setObjectName("Obrazec");
    setGeometry(window.rect());
    window.installEventFilter(this);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    lower();
    setAccessibleName(QStringLiteral("Obrazec"));
    setAccessibleDescription(QStringLiteral("Zatím prázdná plocha. Po stisku tlačítka Start se "
                                            "na ni nakreslí pokus se dvěma dírkami."));
}

bool AccessibleDrawing::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return false;
}

void AccessibleDrawing::describeRun(std::string_view modeText) {
    QString description = QStringLiteral(
        "Vlevo bodový zdroj světla, uprostřed clona se dvěma dírkami A a B, za ní svislý "
        "detektor. Šipky ukazují, jak se v bodech detektoru skládají vlny z obou dírek.");
    for (const auto& [mode, pattern] : patternDescriptions) {
        if (mode == modeText)
            description += QLatin1Char(' ') + QString::fromUtf8(pattern);
    }
    setAccessibleDescription(description);
}

} // namespace lumorix
