// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/ViewSurface.h"

#include <algorithm>

#include "image/ImageSurface.h"

namespace nuklorama {

ViewSurface::ViewSurface(QImage& image, const Viewport& view, float twipsPerPixel)
    : PixelSurface(view.pictureWidth, view.pictureHeight, twipsPerPixel),
      image_(image),
      offsetX_(view.offsetX - view.left),
      offsetY_(view.offsetY - view.top),
      area_(QRect(view.left, view.top, view.width, view.height) & image.rect()) {}

void ViewSurface::Cls() {
    if (area_ == image_.rect())
        image_.fill(ToQRgb(kBackground));
    else
        FillPixels({area_.left() + offsetX_, area_.top() + offsetY_, area_.right() + 1 + offsetX_,
                    area_.bottom() + 1 + offsetY_},
                   kBackground);
}

void ViewSurface::FillPixels(const PixelRect& rect, Colour colour) {
    const int left = std::max(rect.left - offsetX_, area_.left());
    const int right = std::min(rect.right - offsetX_, area_.right() + 1);
    const int top = std::max(rect.top - offsetY_, area_.top());
    const int bottom = std::min(rect.bottom - offsetY_, area_.bottom() + 1);
    if (left >= right || top >= bottom) return;
    const QRgb pixel = ToQRgb(colour);
    uchar* bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    for (int y = top; y < bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(bits + y * stride);
        std::fill(line + left, line + right, pixel);
    }
}

}  // namespace nuklorama
