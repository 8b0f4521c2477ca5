#pragma once

class QWidget;

namespace lumorix {

// Who the program is to the desktop: its name, which is also the class of its X11 windows; and its
// application id, which names its desktop entry and, on Wayland, its windows. Call once the
// application object exists, before any window.
void setUpApplicationIdentity();

// Its icon, for every window it opens, and its language, Czech, in Qt's standard dialogs and
// buttons too. Call once.
void setUpIconAndLanguage();

// The same, left until `window` has painted itself for the first time, which needs neither and is
// seen sooner without them; sooner if a key or a click comes first, so that whatever it opens
// speaks Czech. Call once, before showing the window.
void setUpIconAndLanguageAfterFirstPaint(const QWidget& window);

} // namespace lumorix
