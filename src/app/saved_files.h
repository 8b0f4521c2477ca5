#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>

namespace lumorix {

// Saving what the board shows. Each asks, with the standard save dialog, where to save, in the
// user's pictures folder under a name that tells when it was saved, and writes the file there in
// one piece. A file that cannot be written is reported in a message that names it and the reason;
// the board stays as it is and nothing else happens.

// The picture, as a PNG file, pixel for pixel.
void savePictureAs(QWidget& window, const QImage& picture, const QDateTime& now);
// The pattern as numbers: the CSV's bytes as they are.
void savePatternDataAs(QWidget& window, const std::string& csv, const QDateTime& now);

// Writes the picture as a PNG file in one piece: a file that was there is replaced only once
// the new one is complete. Returns the reason, in the user's language, when it cannot.
std::optional<QString> writePicture(const QImage& picture, const QString& path);

} // namespace lumorix
