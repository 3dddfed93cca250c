#pragma once

#include <optional>

namespace nuklorama {

// A rectangle of whole pixels, right and bottom excluded.
struct PixelRect {
    int left, top, right, bottom;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// The pixels a box with corners in twips covers inside an area of width × height pixels, both
// corners included; nothing if it lies wholly outside. Every surface maps boxes through this.
std::optional<PixelRect> PixelBox(float x1, float y1, float x2, float y2, float twipsPerPixelX,
                                  float twipsPerPixelY, int width, int height);

}  // namespace nuklorama
