// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "chart/PixelSurface.h"

namespace nuklorama {

// A chart area that keeps every filled box, in drawing order, clipped to the area exactly as the
// raster surface clips its pixels: the picture as a list, to be written as SVG or rasterised a
// few rows at a time.
class RecordedSurface : public PixelSurface {
public:
    struct Box {
        PixelRect rect;
        Colour colour;
    };

    using PixelSurface::PixelSurface;

    void Cls() override { boxes_.clear(); }
    // What a cleared area shows lies under every box.
    const std::vector<Box>& Boxes() const { return boxes_; }

private:
    void FillPixels(const PixelRect& rect, Colour colour) override {
        boxes_.push_back({rect, colour});
    }

    std::vector<Box> boxes_;
};

}  // namespace nuklorama
