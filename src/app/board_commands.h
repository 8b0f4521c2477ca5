#pragma once

#include "design/command_table.h"

#include <QAction>
#include <QList>
#include <QWidget>
#include <array>

namespace lumorix {

// The teacher's commands on the drawing board as the window's actions, one for each command of
// the table of commands, with its keys and the platform's own keys for it, active anywhere in the
// window. The actions belong to the window; nothing is connected yet.
struct BoardCommands {
    std::array<QAction*, enumCount<BoardCommand>> actions;
    // The drawing board's context menu, in its order, as the page's menu lists it too.
    QList<QAction*> menu;

    QAction* operator[](BoardCommand command) const {
        return actions.at(static_cast<std::size_t>(command));
    }
};

BoardCommands addBoardCommands(QWidget& window);

} // namespace lumorix
