// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "chart/PixelSurface.h"

namespace nuklorama {

// A chart area that keeps every filled box as a vector rectangle, in drawing order, clipped to
// the area exactly as the raster surface clips its pixels.
class SvgSurface : public PixelSurface {
public:
    using PixelSurface::PixelSurface;

    void Cls() override { boxes_.clear(); }
    // The cleared background and every box, as SVG elements one user unit per pixel.
    std::string Elements() const;
    // Those elements as a standalone SVG document.
    std::string Document() const;

private:
    void FillPixels(const PixelRect& rect, Colour colour) override {
        boxes_.emplace_back(rect, colour);
    }

    std::vector<std::pair<PixelRect, Colour>> boxes_;
};

// A standalone SVG document of width × height user units holding the given elements.
std::string SvgDocument(int width, int height, const std::string& elements);

}  // namespace nuklorama
