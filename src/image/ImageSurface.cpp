#include "chart/ImageSurface.h"

#include <QPainter>
#include <algorithm>

#include "chart/PixelBox.h"

namespace nuklorama {

QRgb ToQRgb(Colour colour) {
    return qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

ImageSurface::ImageSurface(int widthPixels, int heightPixels, float twipsPerPixel)
    : twipsPerPixel_(twipsPerPixel) {
    Resize(widthPixels, heightPixels);
}

bool ImageSurface::Resize(int widthPixels, int heightPixels) {
    widthPixels = std::max(widthPixels, 0);
    heightPixels = std::max(heightPixels, 0);
    if (widthPixels > image_.width() || heightPixels > image_.height()) {
        QImage grown(std::max(widthPixels, image_.width()), std::max(heightPixels, image_.height()),
                     QImage::Format_RGB32);
        if (grown.isNull()) return false;
        grown.fill(ToQRgb(kBackground));
        if (!image_.isNull()) {
            QPainter painter(&grown);
            painter.drawImage(0, 0, image_);
        }
        image_ = std::move(grown);
    }
    width_ = widthPixels;
    height_ = heightPixels;
    return true;
}

void ImageSurface::Cls() {
    image_.fill(ToQRgb(kBackground));
}

void ImageSurface::FillBox(float x1, float y1, float x2, float y2, Colour colour) {
    const auto box = PixelBox(x1, y1, x2, y2, twipsPerPixel_, twipsPerPixel_, width_, height_);
    if (!box) return;
    const QRgb pixel = ToQRgb(colour);
    // One detach check for the whole box rather than one per scan line.
    uchar* bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    for (int y = box->top; y < box->bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(bits + y * stride);
        std::fill(line + box->left, line + box->right, pixel);
    }
}

}  // namespace nuklorama
