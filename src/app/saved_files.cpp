#include "saved_files.h"

#include "design/pattern_data.h"
#include "design/window_texts.h"
#include "qt_design.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>
#include <string_view>

namespace lumorix {

namespace {

// What the save dialog offers for a kind of file.
struct FileKind {
    std::string_view title;
    std::string_view filter;
    QString suffix;
};

QString proposedPath(const std::string& fileName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(qtText(fileName));
}

LocalTime localTime(const QDateTime& now) {
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute()};
}

// The path the user chose, none if the dialog was cancelled.
std::optional<QString> askWhereToSave(QWidget& window, const FileKind& kind,
                                      const std::string& proposedName) {
    QFileDialog dialog(&window, qtText(kind.title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(qtText(kind.filter));
    dialog.setDefaultSuffix(kind.suffix);
    const QString proposed = proposedPath(proposedName);
    dialog.setDirectory(QFileInfo(proposed).absolutePath());
    dialog.selectFile(QFileInfo(proposed).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> writeAtOnce(const QByteArray& bytes, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return std::nullopt;
}

void tellNotSaved(QWidget& window, const std::string& message) {
    QMessageBox::warning(&window, qtText(dialogTitle), qtText(message));
}

std::string shown(const QString& path) {
    return QDir::toNativeSeparators(path).toStdString();
}

} // namespace

std::optional<QString> writePicture(const QImage& picture, const QString& path) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        return qtText(pictureNotEncodedReason);
    return writeAtOnce(png, path);
}

void savePictureAs(QWidget& window, const QImage& picture, const QDateTime& now) {
    const FileKind png{savePictureTitle, pictureFileFilter, QStringLiteral("png")};
    const std::optional<QString> path =
        askWhereToSave(window, png, pictureFileName(localTime(now)));
    if (!path)
        return;
    if (const std::optional<QString> reason = writePicture(picture, *path))
        tellNotSaved(window, pictureNotSavedMessage(shown(*path), reason->toStdString()));
}

void savePatternDataAs(QWidget& window, const std::string& csv, const QDateTime& now) {
    const FileKind data{savePatternDataTitle, patternDataFileFilter, QStringLiteral("csv")};
    const std::optional<QString> path =
        askWhereToSave(window, data, patternDataFileName(localTime(now)));
    if (!path)
        return;
    const QByteArray bytes(csv.data(), static_cast<qsizetype>(csv.size()));
    if (const std::optional<QString> reason = writeAtOnce(bytes, *path))
        tellNotSaved(window, patternDataNotSavedMessage(shown(*path), reason->toStdString()));
}

} // namespace lumorix
