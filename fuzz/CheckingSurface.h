#pragma once

#include <cstdlib>

#include "chart/PixelBox.h"
#include "chart/Surface.h"

// A chart area that draws nothing but insists that every box it is given lands inside it.
class CheckingSurface : public nuklorama::Surface {
public:
    CheckingSurface(int width, int height, float twipsPerPixel)
        : width_(width), height_(height), twipsPerPixel_(twipsPerPixel) {}

    float Width() const override { return float(width_) * twipsPerPixel_; }
    float Height() const override { return float(height_) * twipsPerPixel_; }
    float TwipsPerPixelX() const override { return twipsPerPixel_; }
    float TwipsPerPixelY() const override { return twipsPerPixel_; }
    void Cls() override { boxes_ = 0; }
    void FillBox(float x1, float y1, float x2, float y2, nuklorama::Colour colour) override {
        if (colour < 0 || colour > 0xFFFFFF) std::abort();
        const auto box =
            nuklorama::PixelBox(x1, y1, x2, y2, twipsPerPixel_, twipsPerPixel_, width_, height_);
        if (box && (box->left < 0 || box->top < 0 || box->right > width_ || box->bottom > height_ ||
                    box->Width() <= 0 || box->Height() <= 0))
            std::abort();
        last_ = box;
        ++boxes_;
    }

    std::optional<nuklorama::PixelRect> last_;
    long boxes_ = 0;

private:
    int width_, height_;
    float twipsPerPixel_;
};
