#include "board_commands.h"

#include "design/window_texts.h"
#include "qt_design.h"

namespace lumorix {

namespace {

// The platform's keys for a standard command, and the key that the help names for it where the
// platform has other keys or none.
QList<QKeySequence> keys(QKeySequence::StandardKey standard, const QKeySequence& named) {
    QList<QKeySequence> bindings = QKeySequence::keyBindings(standard);
    if (!bindings.contains(named))
        bindings.prepend(named);
    return bindings;
}

QAction* addCommand(QWidget& window, std::string_view caption, const QList<QKeySequence>& keys) {
    auto* action = new QAction(qtText(caption), &window);
    action->setShortcuts(keys);
    window.addAction(action);
    return action;
}

} // namespace

BoardCommands addBoardCommands(QWidget& window) {
    BoardCommands commands{};
    commands.copyPicture = addCommand(window, copyPictureCommand,
                                      keys(QKeySequence::Copy, QKeySequence(Qt::CTRL | Qt::Key_C)));
    commands.savePicture = addCommand(window, savePictureCommand,
                                      keys(QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S)));
    commands.cleanBoard = addCommand(window, cleanBoardCommand,
                                     keys(QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N)));
    commands.fullScreen = addCommand(window, fullScreenCommand,
                                     keys(QKeySequence::FullScreen, QKeySequence(Qt::Key_F11)));
    commands.fullScreen->setCheckable(true);
    commands.help =
        addCommand(window, helpCommand, keys(QKeySequence::HelpContents, QKeySequence(Qt::Key_F1)));
    commands.sound = addCommand(window, soundCommand, {QKeySequence(Qt::Key_Z)});
    commands.sound->setCheckable(true);
    commands.theory = addCommand(window, theoryCommand, {QKeySequence(Qt::Key_T)});
    commands.theory->setCheckable(true);
    // Ctrl+= is Ctrl+plus without Shift on most keyboards.
    QList<QKeySequence> zoomInKeys =
        keys(QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Plus));
    zoomInKeys.append(QKeySequence(Qt::CTRL | Qt::Key_Equal));
    commands.zoomIn = addCommand(window, {}, zoomInKeys);
    commands.zoomOut =
        addCommand(window, {}, keys(QKeySequence::ZoomOut, QKeySequence(Qt::CTRL | Qt::Key_Minus)));
    commands.resetZoom = addCommand(window, {}, {QKeySequence(Qt::CTRL | Qt::Key_0)});
    commands.leaveFullScreen = addCommand(window, {}, {QKeySequence(Qt::Key_Escape)});
    return commands;
}

} // namespace lumorix
