// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/PixelSurface.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace nuklorama {
namespace {

// Coordinates arrive as whole pixels times the twips per pixel, so rounding only removes the
// error of the float; values far outside the area are clamped before they become integers.
long long ToPixel(float twips, float twipsPerPixel) {
    const double pixel = std::nearbyint(double(twips) / double(twipsPerPixel));
    if (std::isnan(pixel)) return 0;
    return static_cast<long long>(std::clamp(pixel, -1e12, 1e12));
}

}  // namespace

void PixelSurface::FillBox(float x1, float y1, float x2, float y2, Colour colour) {
    long long left = ToPixel(x1, twipsPerPixel_), right = ToPixel(x2, twipsPerPixel_);
    long long top = ToPixel(y1, twipsPerPixel_), bottom = ToPixel(y2, twipsPerPixel_);
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    left = std::max(left, 0LL);
    top = std::max(top, 0LL);
    right = std::min(right + 1, static_cast<long long>(width_));
    bottom = std::min(bottom + 1, static_cast<long long>(height_));
    if (left >= right || top >= bottom) return;
    FillPixels({int(left), int(top), int(right), int(bottom)}, colour);
}

}  // namespace nuklorama
