#include "screen_surface.h"

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

bool ScreenSurface::clean(qreal pixelRatio) {
    if (isBeingPainted())
        return false;
    pixelRatio_ = pixelRatio;
    image_ = QImage();
    touched_ = QRegion();
    return true;
}

void ScreenSurface::adopt(ScreenSurface& redrawn) {
    if (isBeingPainted() || redrawn.isBeingPainted() || redrawn.logicalSize_ != logicalSize_)
        throw std::logic_error("a redrawn picture taken while it is being painted on");
    pixelRatio_ = redrawn.pixelRatio_;
    image_ = std::exchange(redrawn.image_, QImage());
    touched_ = QRegion();
    redrawn.touched_ = QRegion();
}

} // namespace lumorix
