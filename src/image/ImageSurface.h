// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include "chart/PixelSurface.h"

namespace nuklorama {

QRgb ToQRgb(Colour colour);

// A chart area of whole device pixels backed by one persistent image. Resizing the area never
// rescales or redraws what is drawn: the image only grows, and what it held stays in place.
class ImageSurface : public PixelSurface {
public:
    ImageSurface(int widthPixels, int heightPixels, float twipsPerPixel);

    // Keeps the old size when the image cannot grow.
    void Fit(int widthPixels, int heightPixels, float twipsPerPixel);

    // May be larger than the area; only the area's pixels belong to the chart.
    const QImage& Image() const { return image_; }
    QImage AreaImage() const;

    void Cls() override;

private:
    void FillPixels(const PixelRect& rect, Colour colour) override;

    QImage image_;
};

}  // namespace nuklorama
