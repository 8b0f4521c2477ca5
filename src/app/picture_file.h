#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>
#include <QWidget>
#include <optional>

namespace lumorix {

// Asks, with the standard save dialog, where to save the picture, in the user's pictures folder
// under a name that tells when it was saved, and saves it there as a PNG file, pixel for pixel.
// A file that cannot be written is reported in a message that names it and the reason; the
// picture stays as it is and nothing else happens.
void savePictureAs(QWidget& window, const QImage& picture, const QDateTime& now);

// Writes the picture as a PNG file in one piece: a file that was there is replaced only once
// the new one is complete. Returns the reason, in the user's language, when it cannot.
std::optional<QString> writePicture(const QImage& picture, const QString& path);

} // namespace lumorix
