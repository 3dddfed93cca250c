// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include "chart/PixelSurface.h"
#include "chart/Viewport.h"

namespace nuklorama {

// The chart at a larger cell size, seen through a window: a surface as large as the whole
// zoomed picture that keeps only the pixels inside the window, moved to the image's origin.
// The chart code draws into it as into any chart area.
class ViewSurface : public PixelSurface {
public:
    // image holds the window, view says which part of the picture it shows and where; nothing is
    // drawn outside the view's area.
    ViewSurface(QImage& image, const Viewport& view, float twipsPerPixel);

    // Clears the view's area only.
    void Cls() override;

private:
    void FillPixels(const PixelRect& rect, Colour colour) override;

    QImage& image_;
    int offsetX_, offsetY_;
    QRect area_;
};

}  // namespace nuklorama
