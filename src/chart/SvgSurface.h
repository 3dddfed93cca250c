#pragma once

#include <string>
#include <utility>
#include <vector>

#include "chart/PixelBox.h"
#include "chart/Surface.h"

namespace nuklorama {

// A chart area that keeps every filled box as a vector rectangle, in drawing order, clipped to
// the area exactly as the raster surface clips its pixels.
class SvgSurface : public Surface {
public:
    SvgSurface(int widthPixels, int heightPixels, float twipsPerPixel)
        : width_(widthPixels), height_(heightPixels), twipsPerPixel_(twipsPerPixel) {}

    float Width() const override { return float(width_) * twipsPerPixel_; }
    float Height() const override { return float(height_) * twipsPerPixel_; }
    float TwipsPerPixelX() const override { return twipsPerPixel_; }
    float TwipsPerPixelY() const override { return twipsPerPixel_; }
    void Cls() override { boxes_.clear(); }
    void FillBox(float x1, float y1, float x2, float y2, Colour colour) override;

    const std::vector<std::pair<PixelRect, Colour>>& Boxes() const { return boxes_; }
    // A standalone SVG document one user unit per pixel, on the cleared background.
    std::string Document() const;

private:
    int width_, height_;
    float twipsPerPixel_;
    std::vector<std::pair<PixelRect, Colour>> boxes_;
};

}  // namespace nuklorama
