#include "screen_surface.h"

#include <QPainter>
#include <stdexcept>
#include <utility>

namespace lumorix {

namespace {

QImage blankImage(QSize logicalSize, qreal pixelRatio, QRgb background) {
    QImage image(logicalSize * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(background);
    return image;
}

} // namespace

ScreenSurface::ScreenSurface(QSize logicalSize, qreal pixelRatio, QRgb background)
    : logicalSize_(logicalSize)
    , pixelRatio_(pixelRatio)
    , background_(background) {}

ScreenSurface::Painting::Painting(ScreenSurface& surface)
    : surface_(surface) {
    if (surface.isBlank())
        surface.image_ = blankImage(surface.logicalSize_, surface.pixelRatio_, surface.background_);
    bits_ = surface.image_.bits();
    ++surface_.openPaintings_;
}

ScreenSurface::Painting::~Painting() {
    --surface_.openPaintings_;
}

const QImage& ScreenSurface::image() const {
    if (isBeingPainted())
        throw std::logic_error("the surface's image read while it is being painted on");
    return image_;
}

QRegion ScreenSurface::takeTouched() {
    return std::exchange(touched_, QRegion());
}

bool ScreenSurface::matchPixelRatio(qreal pixelRatio) {
    if (pixelRatio_ == pixelRatio)
        return true;
    if (isBeingPainted())
        return false;
    pixelRatio_ = pixelRatio;
    if (isBlank())
        return true;
    QImage sharper = blankImage(logicalSize_, pixelRatio, background_);
    QPainter painter(&sharper);
    painter.drawImage(QRect(QPoint(0, 0), logicalSize_), image_);
    painter.end();
    image_ = std::move(sharper);
    return true;
}

} // namespace lumorix
