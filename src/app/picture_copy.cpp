#include "picture_copy.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QShortcut>
#include <utility>

namespace lumorix {

void addPictureCopyShortcut(QWidget& window, std::function<const QImage&()> picture) {
    auto* shortcut = new QShortcut(QKeySequence::Copy, &window);
    QObject::connect(shortcut, &QShortcut::activated, &window, [picture = std::move(picture)] {
        QGuiApplication::clipboard()->setImage(picture());
    });
}

} // namespace lumorix
