// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>

#include "chart/Colour.h"
#include "image/ImageSurface.h"

// Whether every pixel of region in image has the given chart colour.
inline bool AllPixels(const QImage& image, const QRect& region, nuklorama::Colour colour) {
    QImage filled(region.size(), image.format());
    filled.fill(nuklorama::ToQRgb(colour));
    return image.copy(region) == filled;
}

// The bounding box of the pixels of the given colour, or an empty rectangle.
inline QRect PixelsOf(const QImage& image, nuklorama::Colour colour) {
    const QRgb want = nuklorama::ToQRgb(colour);
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == want) box |= QRect(x, y, 1, 1);
    return box;
}
