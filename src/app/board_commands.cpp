#include "board_commands.h"

#include "qt_design.h"

#include <algorithm>

namespace lumorix {

namespace {

// The platform's own keys for the commands that it has keys for, beside those of the table.
struct PlatformKey {
    BoardCommand command;
    QKeySequence::StandardKey key;
};
constexpr PlatformKey platformKeys[] = {
    {BoardCommand::copyPicture, QKeySequence::Copy},
    {BoardCommand::savePicture, QKeySequence::Save},
    {BoardCommand::cleanBoard, QKeySequence::New},
    {BoardCommand::fullScreen, QKeySequence::FullScreen},
    {BoardCommand::zoomIn, QKeySequence::ZoomIn},
    {BoardCommand::zoomOut, QKeySequence::ZoomOut},
    {BoardCommand::help, QKeySequence::HelpContents},
};

QKeySequence::StandardKey platformKey(BoardCommand command) {
    const auto found = std::ranges::find(platformKeys, command, &PlatformKey::command);
    return found == std::ranges::end(platformKeys) ? QKeySequence::UnknownKey : found->key;
}

// The key that the menu and the help name comes first, and so the menu shows it, unless the
// platform has it among its own.
QList<QKeySequence> keys(const BoardCommandDesign& design, QKeySequence::StandardKey standard) {
    QList<QKeySequence> bindings = QKeySequence::keyBindings(standard);
    const QKeySequence named(qtText(design.key));
    if (!bindings.contains(named))
        bindings.prepend(named);
    if (!design.otherKey.empty())
        bindings.append(QKeySequence(qtText(design.otherKey)));
    return bindings;
}

} // namespace

BoardCommands addBoardCommands(QWidget& window) {
    BoardCommands commands{};
    for (const auto& [command, design] : boardCommands()) {
        auto* action = new QAction(qtText(design.caption), &window);
        action->setShortcuts(keys(design, platformKey(command)));
        action->setCheckable(design.checkable);
        window.addAction(action);
        commands.actions.at(static_cast<std::size_t>(command)) = action;
        if (!design.caption.empty())
            commands.menu.append(action);
    }
    return commands;
}

} // namespace lumorix
