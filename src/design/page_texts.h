#pragma once

#include <string_view>

namespace lumorix {

// What the page says beyond the window's own texts, in Czech: a page cannot always close itself,
// so when the program ends it says so, and offers to start it again.
inline constexpr std::string_view programEndedText = "Program Lumorix skončil.";
inline constexpr std::string_view restartCaption = "Spustit znovu";
// The fatal error's dialog's one button.
inline constexpr std::string_view fatalErrorButton = "OK";
// The help's one button, and the name of the drawing board's menu of commands.
inline constexpr std::string_view closeCaption = "Zavřít";
inline constexpr std::string_view boardMenuName = "Příkazy obrazce";

} // namespace lumorix
