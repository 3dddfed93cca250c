// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "chart/Surface.h"
#include "table/NuclideTable.h"

namespace nuklorama {

// What a drawn chart does not show as its table has it, for the renderer to point out.

// Nuclides whose cells the chart area does not show whole.
struct OutOfView {
    int cut = 0;       // partly past an edge
    int leftOut = 0;   // wholly outside
    int negative = 0;  // of both, those with a negative number, which no area shows
};
OutOfView CountOutOfView(const NuclideTable& table, std::int16_t cellSize, const Surface& area);

// The smallest chart area, in pixels at twipsPerPixel, that shows the cell of row MaxZ and column
// MaxN whole, and with it every cell of non-negative numbers: with cells of cellSize pixels or
// more where that can be, else of the largest smaller size that can; nothing when no area of at
// most maxSide pixels a side does.
struct AreaSize {
    int width, height;
};
std::optional<AreaSize> SmallestAreaShowingAll(std::int16_t MaxZ, std::int16_t MaxN,
                                               std::int16_t cellSize, float twipsPerPixel,
                                               int maxSide);

// A unit word the colour scale does not know, so its cells are black.
struct UnknownUnit {
    std::string word;
    int firstRecord;
    int records;
};
std::vector<UnknownUnit> UnknownUnits(const NuclideTable& table);

}  // namespace nuklorama
