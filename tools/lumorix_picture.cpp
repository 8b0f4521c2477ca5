// lumorix-picture OUT.png RUNS [OPTION...]
//
// Opens the window off screen, selects the named options (e.g. opDopad), presses Start RUNS
// times without pausing and saves the drawing board, labels included, as a PNG: the desktop's
// picture of those runs, against which the browser edition's is compared.

#include "app/interference_window.h"
#include "app/window_layout.h"

#include <QApplication>
#include <QRadioButton>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc < 3 || std::atoi(argv[2]) < 1) {
        std::fputs("usage: lumorix-picture OUT.png RUNS [OPTION...]\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    lumorix::setUpLookAndFeel();

    lumorix::InterferenceWindow window(std::chrono::nanoseconds(0));
    for (int i = 3; i < argc; ++i) {
        auto* option = window.findChild<QRadioButton*>(QString::fromUtf8(argv[i]));
        if (!option) {
            std::fprintf(stderr, "lumorix-picture: no option %s\n", argv[i]);
            return 2;
        }
        option->click();
    }
    for (int run = 0; run < std::atoi(argv[2]); ++run)
        window.cmdStart_Click();
    return window.surface().save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
