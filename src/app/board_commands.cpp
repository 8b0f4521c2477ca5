#include "board_commands.h"

#include "design/window_texts.h"
#include "qt_design.h"

#include <algorithm>
#include <stdexcept>

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

// A command of the context menu, with the key and the check that the menu's table gives it, and
// the platform's own keys for it beside that key.
QAction* addMenuCommand(QWidget& window, std::string_view caption,
                        QKeySequence::StandardKey standard) {
    const auto designs = boardCommandDesigns();
    const auto design = std::ranges::find(designs, caption, &BoardCommandDesign::caption);
    if (design == designs.end())
        throw std::logic_error("a command the menu's table does not list");
    QAction* action =
        addCommand(window, caption, keys(standard, QKeySequence(qtText(design->key))));
    action->setCheckable(design->checkable);
    return action;
}

} // namespace

BoardCommands addBoardCommands(QWidget& window) {
    BoardCommands commands{};
    commands.copyPicture = addMenuCommand(window, copyPictureCommand, QKeySequence::Copy);
    commands.savePicture = addMenuCommand(window, savePictureCommand, QKeySequence::Save);
    commands.cleanBoard = addMenuCommand(window, cleanBoardCommand, QKeySequence::New);
    commands.fullScreen = addMenuCommand(window, fullScreenCommand, QKeySequence::FullScreen);
    commands.help = addMenuCommand(window, helpCommand, QKeySequence::HelpContents);
    commands.sound = addMenuCommand(window, soundCommand, QKeySequence::UnknownKey);
    commands.theory = addMenuCommand(window, theoryCommand, QKeySequence::UnknownKey);
    // Ctrl+= is Ctrl+plus without Shift on most keyboards.
    QList<QKeySequence> zoomInKeys =
        keys(QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Plus));
    zoomInKeys.append(QKeySequence(Qt::CTRL | Qt::Key_Equal));
    commands.zoomIn = addCommand(window, {}, zoomInKeys);
    commands.zoomOut =
        addCommand(window, {}, keys(QKeySequence::ZoomOut, QKeySequence(Qt::CTRL | Qt::Key_Minus)));
    commands.resetZoom = addCommand(window, {}, {QKeySequence(Qt::CTRL | Qt::Key_0)});
    commands.leaveFullScreen = addCommand(window, {}, {QKeySequence(Qt::Key_Escape)});
    for (const BoardCommandDesign& design : boardCommandDesigns()) {
        for (QAction* action : window.actions()) {
            if (action->text() != qtText(design.caption))
                continue;
            commands.menu.append(action);
            if (design.neverWaits)
                commands.neverWaiting.append(action);
        }
    }
    return commands;
}

} // namespace lumorix
