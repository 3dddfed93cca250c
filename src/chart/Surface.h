// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/Colour.h"

namespace nuklorama {

// The chart area as the chart code sees it: measured and addressed in twips (1/1440 inch) from
// its top-left corner. What is drawn stays until the next Cls.
class Surface {
public:
    virtual ~Surface() = default;

    virtual float Width() const = 0;
    virtual float Height() const = 0;
    virtual float TwipsPerPixelX() const = 0;
    virtual float TwipsPerPixelY() const = 0;

    virtual void Cls() = 0;
    // Fills the rectangle spanned by the two corners, both included; clipped at the edges.
    virtual void FillBox(float x1, float y1, float x2, float y2, Colour colour) = 0;
};

}  // namespace nuklorama
