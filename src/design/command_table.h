#pragma once

#include "core/enum_table.h"

#include <string_view>

namespace lumorix {

// The teacher's commands on the drawing board, in the order the help lists them.
enum class BoardCommand {
    copyPicture,
    savePicture,
    cleanBoard,
    fullScreen,
    leaveFullScreen,
    zoomIn,
    zoomOut,
    resetZoom,
    help,
    sound,
    theory,
    count
};

// What the page does with a command. The desktop carries out every command itself; the page
// leaves to the browser what the browser does as well by its own means, and follows it.
enum class OnPage {
    commandAndKey, // the page carries out the command and takes its key
    commandOnly,   // the page carries out the menu's entry; the key is the browser's own
    browsers,      // the browser's own: the page neither lists it nor takes its key
};

// A command as both editions bind it. A command with a caption is an entry of the drawing
// board's context menu, where the key stands beside it; the menu lists them in the table's order.
struct BoardCommandDesign {
    std::string_view name; // the command's name in the page's design
    std::string_view caption = {};
    // The key that the menu and the help name, and another key that works as well, if any.
    std::string_view key;
    std::string_view otherKey = {};
    // Whether the entry is one that is on or off.
    bool checkable = false;
    // Whether it is handled at once even during a run, as only a command that changes nothing a
    // run reads may be; every other one waits, like all input, until the board is idle.
    bool neverWaits = false;
    OnPage onPage = OnPage::commandAndKey;
    // What the help's list of keys says the command does. Empty: it is said in the row of the
    // command before, which lists this command's key beside its own.
    std::string_view help = {};
};

const EnumTable<BoardCommand, BoardCommandDesign>& boardCommands();

inline const BoardCommandDesign& boardCommand(BoardCommand command) {
    return boardCommands()[command];
}

} // namespace lumorix
