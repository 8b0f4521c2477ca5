#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace lumorix {

// Ctrl+C (or the platform's other Copy keys) anywhere in the window puts the picture on the
// clipboard as an image, pixel for pixel at its own pixel ratio, for pasting into a worksheet.
// Like every key, one pressed during a run is handled when the run has ended.
void addPictureCopyShortcut(QWidget& window, std::function<const QImage&()> picture);

} // namespace lumorix
