#pragma once

#include <QImage>
#include <QRegion>
#include <QSize>

namespace lumorix {

// The picture behind the window's client area: a persistent image at the screen's device pixel
// ratio that the runs and the labels paint into, and the area painted since the window last
// showed it. It is the image's one owner: painting goes through a Painting, and the image is
// never replaced while one is open.
//
// A surface starts blank, in the background colour, without an image: the image takes memory
// and time only from the first painting on.
class ScreenSurface {
public:
    ScreenSurface(QSize logicalSize, qreal pixelRatio, QRgb background);
    ScreenSurface(const ScreenSurface&) = delete;
    ScreenSurface& operator=(const ScreenSurface&) = delete;

    bool isBlank() const { return image_.isNull(); }
    // Whether a Painting is open.
    bool isBeingPainted() const { return openPaintings_ > 0; }
    // The picture, null while the surface is blank. Read only between paintings: a copy taken
    // while one is open would share the pixels that the painting writes straight into.
    const QImage& image() const;
    qreal pixelRatio() const { return pixelRatio_; }
    QSize logicalSize() const { return logicalSize_; }
    QRgb background() const { return background_; }

    // The image opened for painting, with its pixels unshared, until the Painting ends.
    class Painting {
    public:
        explicit Painting(ScreenSurface& surface);
        ~Painting();
        Painting(const Painting&) = delete;
        Painting& operator=(const Painting&) = delete;

        QImage& image() { return surface_.image_; }
        // The first device row; rows are bytesPerLine() apart.
        uchar* bits() { return bits_; }
        qsizetype bytesPerLine() const { return surface_.image_.bytesPerLine(); }

    private:
        ScreenSurface& surface_;
        uchar* bits_ = nullptr;
    };

    // Adds a logical area to what the window has yet to show.
    void touched(const QRegion& area) { touched_ += area; }
    // What has been painted since the last call, in logical pixels.
    QRegion takeTouched();

    // Makes the surface blank again, at a pixel ratio: for a clean board, or for one redrawn
    // at another resolution. Refused, returning false, while a Painting is open: the painters and
    // pixel pointers of pending calls would go on writing into the old image.
    [[nodiscard]] bool clean(qreal pixelRatio);
    // Takes the picture of another surface of the same logical size, redrawn at its own
    // pixel ratio, in place of this one's, at once; the other is left blank. Neither may be
    // being painted.
    void adopt(ScreenSurface& redrawn);

private:
    QImage image_;
    QSize logicalSize_;
    qreal pixelRatio_;
    QRgb background_;
    QRegion touched_;
    int openPaintings_ = 0;
};

} // namespace lumorix
