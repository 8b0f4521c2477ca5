#pragma once

#include <QAction>
#include <QList>
#include <QWidget>

namespace lumorix {

// The teacher's commands on the drawing board, each with its usual keys, active anywhere in the
// window: the five of the context menu, the zoom steps, and Esc to leave full screen. Like every
// key, one pressed during a run is handled when the run has ended. The actions belong to the
// window; nothing is connected yet.
struct BoardCommands {
    QAction* copyPicture;
    QAction* savePicture;
    QAction* cleanBoard;
    QAction* fullScreen; // checked while the window is full screen
    QAction* help;
    QAction* zoomIn;
    QAction* zoomOut;
    QAction* resetZoom;
    QAction* leaveFullScreen;

    // The drawing board's context menu, in its order.
    QList<QAction*> menu() const {
        return {copyPicture, savePicture, cleanBoard, fullScreen, help};
    }
};

BoardCommands addBoardCommands(QWidget& window);

} // namespace lumorix
