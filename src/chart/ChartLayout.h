// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

#include "chart/Colour.h"
#include "chart/Surface.h"

namespace nuklorama {

// The smaller of x1_ and every entry of x_; on a tie the entry wins.
std::int32_t Min(std::int32_t x1_, std::span<const std::int32_t> x_);

// Whole pixels per row or column along one side of the chart area: its twips over the count,
// rounded, over the rounded twips per pixel. The cell size is the smaller of the two sides'.
std::int32_t PixelsPerStep(float areaTwips, std::int16_t count, float twipsPerPixel);

// The side of one square cell in pixels so that MaxN columns and MaxZ rows fit the chart area;
// 0 when the area is too small for one pixel per cell. MaxZ and MaxN must be positive.
std::int16_t ComputeCellSize(const Surface& picEl, std::int16_t MaxZ, std::int16_t MaxN);

// Full-width band of row N, full-height band of column N, and the cell where row Z and column N
// cross. Rows and columns that lie beyond the 32-bit pixel range are not drawn.
void DrawH(Surface& picEl, std::int16_t cellSize, std::int32_t N, Colour colour);
void DrawV(Surface& picEl, std::int16_t cellSize, std::int32_t N, Colour colour);
void DrawCell(Surface& picEl, std::int16_t cellSize, std::int32_t Z, std::int32_t N, Colour colour);

// The lower-right half of that cell: the pixels whose column and row inside it add up to the
// cell size or more; or, given a smaller side, the triangle of that side in the same corner.
// Cells under kSmallestSplitCell pixels are too small to show it.
inline constexpr std::int16_t kSmallestSplitCell = 6;
void DrawCellCorner(Surface& picEl, std::int16_t cellSize, std::int32_t Z, std::int32_t N,
                    Colour colour, int side = INT16_MAX);

}  // namespace nuklorama
