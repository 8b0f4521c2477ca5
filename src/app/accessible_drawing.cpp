#include "accessible_drawing.h"

#include "design/window_texts.h"
#include "qt_design.h"

#include <QAccessibleWidget>

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

} // namespace

AccessibleDrawing::AccessibleDrawing(QWidget& window)
    : QWidget(&window) {
    QAccessible::installFactory(drawingInterface);
    setObjectName(qtText(drawingName));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    lower();
    setAccessibleName(qtText(drawingName));
    describeEmptyBoard();
}

void AccessibleDrawing::describeEmptyBoard() {
    describe(emptyDrawingDescription);
}

void AccessibleDrawing::describeRun(std::string_view modeText, const RunStates& states) {
    describe(finishedRunDescription(modeText, states));
}

void AccessibleDrawing::describeSound(bool on) {
    soundOn_ = on;
    updateDescription();
}

void AccessibleDrawing::describe(std::string_view picture) {
    picture_ = picture;
    updateDescription();
}

void AccessibleDrawing::updateDescription() {
    setAccessibleDescription(qtText(drawingDescription(picture_, soundOn_)));
}

} // namespace lumorix
