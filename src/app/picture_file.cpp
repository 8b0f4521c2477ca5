#include "picture_file.h"

#include "design/window_texts.h"
#include "qt_design.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>

namespace lumorix {

namespace {

QString proposedPath(const QDateTime& now) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QDate date = now.date();
    const QTime time = now.time();
    const LocalTime savedAt{date.year(), date.month(), date.day(), time.hour(), time.minute()};
    return QDir(folder).filePath(qtText(pictureFileName(savedAt)));
}

} // namespace

std::optional<QString> writePicture(const QImage& picture, const QString& path) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        return qtText(pictureNotEncodedReason);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size() || !file.commit())
        return file.errorString();
    return std::nullopt;
}

void savePictureAs(QWidget& window, const QImage& picture, const QDateTime& now) {
    QFileDialog dialog(&window, qtText(savePictureTitle));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(qtText(pictureFileFilter));
    dialog.setDefaultSuffix(QStringLiteral("png"));
    const QString proposed = proposedPath(now);
    dialog.setDirectory(QFileInfo(proposed).absolutePath());
    dialog.selectFile(QFileInfo(proposed).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    if (const std::optional<QString> reason = writePicture(picture, path)) {
        const std::string shownPath = QDir::toNativeSeparators(path).toStdString();
        QMessageBox::warning(&window, qtText(dialogTitle),
                             qtText(pictureNotSavedMessage(shownPath, reason->toStdString())));
    }
}

} // namespace lumorix
