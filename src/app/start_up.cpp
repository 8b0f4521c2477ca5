#include "start_up.h"

#include "application_identity.h"
#include "window_layout.h"

namespace lumorix {

std::unique_ptr<InterferenceWindow> showProgramWindow() {
    setUpApplicationIdentity();
    setUpLookAndFeel();
    auto window = std::make_unique<InterferenceWindow>();
    setUpIconAndLanguageAfterFirstPaint(*window);
    window->show();
    return window;
}

} // namespace lumorix
