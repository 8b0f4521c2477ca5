#pragma once

#include <QWidget>

namespace lumorix {

// Has assistive technology meet the window as a frame, the window that it is, and leave out of
// its tree the controls marked as never seen: the hidden "Animace" frame with its options, and
// the one-pixel Label1. The window itself is unchanged.
void makeAccessibleAsFrame(QWidget& window);
void keepOutOfAccessibleTree(QWidget& control);

} // namespace lumorix
