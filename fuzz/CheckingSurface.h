// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <optional>

#include "chart/PixelSurface.h"

// A chart area that draws nothing but insists that every box it is given lands inside it.
class CheckingSurface : public nuklorama::PixelSurface {
public:
    using PixelSurface::PixelSurface;

    void Cls() override { boxes_ = 0; }
    // The pixels of the last box drawn, if it covered any.
    std::optional<nuklorama::PixelRect> last_;
    long boxes_ = 0;

private:
    void FillPixels(const nuklorama::PixelRect& r, nuklorama::Colour colour) override {
        if (colour < 0 || colour > 0xFFFFFF) std::abort();
        if (r.left < 0 || r.top < 0 || r.right > WidthPixels() || r.bottom > HeightPixels() ||
            r.Width() <= 0 || r.Height() <= 0)
            std::abort();
        last_ = r;
        ++boxes_;
    }
};
