// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/Surface.h"

namespace nuklorama {

// A rectangle of whole pixels, right and bottom excluded.
struct PixelRect {
    int left, top, right, bottom;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// A chart area of whole pixels with the same twips per pixel across and down. It turns each box
// into the pixels it covers, clipped to the area, so a concrete surface only fills rectangles of
// pixels.
class PixelSurface : public Surface {
public:
    PixelSurface(int widthPixels, int heightPixels, float twipsPerPixel)
        : width_(widthPixels), height_(heightPixels), twipsPerPixel_(twipsPerPixel) {}

    int WidthPixels() const { return width_; }
    int HeightPixels() const { return height_; }

    float Width() const override { return float(width_) * twipsPerPixel_; }
    float Height() const override { return float(height_) * twipsPerPixel_; }
    float TwipsPerPixelX() const override { return twipsPerPixel_; }
    float TwipsPerPixelY() const override { return twipsPerPixel_; }
    // Both corners are included; a box wholly outside the area fills nothing.
    void FillBox(float x1, float y1, float x2, float y2, Colour colour) final;

protected:
    void SetSize(int widthPixels, int heightPixels, float twipsPerPixel) {
        width_ = widthPixels;
        height_ = heightPixels;
        twipsPerPixel_ = twipsPerPixel;
    }
    // Called with a rectangle that lies inside the area and holds at least one pixel.
    virtual void FillPixels(const PixelRect& rect, Colour colour) = 0;

private:
    int width_, height_;
    float twipsPerPixel_;
};

}  // namespace nuklorama
