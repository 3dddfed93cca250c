// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/ImageSurface.h"

#include <QPainter>
#include <algorithm>

namespace nuklorama {

QRgb ToQRgb(Colour colour) {
    return qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

ImageSurface::ImageSurface(int widthPixels, int heightPixels, float twipsPerPixel)
    : PixelSurface(0, 0, twipsPerPixel) {
    Fit(widthPixels, heightPixels, twipsPerPixel);
}

void ImageSurface::Fit(int widthPixels, int heightPixels, float twipsPerPixel) {
    widthPixels = std::max(widthPixels, 0);
    heightPixels = std::max(heightPixels, 0);
    if (widthPixels > image_.width() || heightPixels > image_.height()) {
        QImage grown(std::max(widthPixels, image_.width()), std::max(heightPixels, image_.height()),
                     QImage::Format_RGB32);
        if (grown.isNull()) return;
        grown.fill(ToQRgb(kBackground));
        if (!image_.isNull()) {
            QPainter painter(&grown);
            painter.drawImage(0, 0, image_);
        }
        image_ = std::move(grown);
    }
    SetSize(widthPixels, heightPixels, twipsPerPixel);
}

QImage ImageSurface::AreaImage() const {
    if (image_.size() == QSize(WidthPixels(), HeightPixels())) return image_;  // shared, not copied
    return image_.copy(0, 0, WidthPixels(), HeightPixels());
}

void ImageSurface::Cls() {
    image_.fill(ToQRgb(kBackground));
}

void ImageSurface::FillPixels(const PixelRect& rect, Colour colour) {
    const QRgb pixel = ToQRgb(colour);
    // One detach check for the whole box rather than one per scan line.
    uchar* bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    for (int y = rect.top; y < rect.bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(bits + y * stride);
        std::fill(line + rect.left, line + rect.right, pixel);
    }
}

}  // namespace nuklorama
