#pragma once

#include <QAction>
#include <QList>
#include <QWidget>

namespace lumorix {

// The teacher's commands on the drawing board, each with its usual keys, active anywhere in the
// window: the seven of the context menu, the zoom steps, and Esc to leave full screen. Like every
// key but the sound's, one pressed during a run is handled when the run has ended. The actions
// belong to the window; nothing is connected yet.
struct BoardCommands {
    QAction* copyPicture;
    QAction* savePicture;
    QAction* cleanBoard;
    QAction* fullScreen; // checked while the window is full screen
    QAction* help;
    QAction* sound;  // checked while the runs are heard
    QAction* theory; // checked while the formula's fringes are shown over the picture
    QAction* zoomIn;
    QAction* zoomOut;
    QAction* resetZoom;
    QAction* leaveFullScreen;

    // The drawing board's context menu, in its order: the commands above, as the page's menu
    // lists them too; and those of them that never wait for a run.
    QList<QAction*> menu;
    QList<QAction*> neverWaiting;
};

BoardCommands addBoardCommands(QWidget& window);

} // namespace lumorix
