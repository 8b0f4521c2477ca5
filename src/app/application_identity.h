#pragma once

namespace lumorix {

// Who the program is to the desktop: its name, which is also the class of its X11 windows; its
// application id, which names its desktop entry and, on Wayland, its windows; its icon, for
// every window it opens; and its language, Czech, in Qt's standard dialogs and buttons too. Call
// once the application object exists, before any window.
void setUpApplicationIdentity();

} // namespace lumorix
