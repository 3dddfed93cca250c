// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "chart/CellIndex.h"
#include "chart/Chart.h"
#include "chart/Colouring.h"
#include "chart/Frame.h"
#include "table/ExtraFields.h"
#include "table/NuclideTable.h"

namespace nuklorama {

// What one press of Draw put on the chart area, kept so that the picture can be read and
// redrawn elsewhere after the table has changed.
struct DrawnChart {
    std::shared_ptr<const NuclideTable> table;
    std::int16_t cellSize = 0;
    Overlays overlays;
    int widthPixels = 0, heightPixels = 0;
    float twipsPerPixel = 15;
    // Which record lies on top of each cell; built from the table when not given.
    std::shared_ptr<const CellIndex> cells = nullptr;
    // The records' fields after 6, read from the same load, and how the cells were coloured.
    std::shared_ptr<const ExtraFieldTable> extras = nullptr;
    Colouring colouring = Colouring::HalfLife;
};

// The cells' colours as they were drawn.
CellColouring ColoursOf(const DrawnChart& chart);
// The drawn chart drawn again from memory onto picEl, overlays and colouring as they were.
void DrawAgain(const DrawnChart& chart, Surface& picEl);
// The drawn chart seen through view, overlays and colouring as they were, without labels or
// figure; the chart must outlive the frame.
Frame FrameOf(const DrawnChart& chart, const Viewport& view);

// The cell under a pixel of the drawn area: its row and column, and the record drawn there last
// (on top), 0 when none.
struct CellAt {
    std::int32_t Z, N;
    int record;
};
std::optional<CellAt> FindCell(const DrawnChart& chart, int xPixel, int yPixel);

// The element symbol of proton number Z: "n" for 0, nothing beyond 118.
std::string ElementSymbol(std::int32_t Z);

// What the pointer reads at a pixel of the drawn area, as plain UTF-8 text, e.g. "⁵⁶Fe" over
// "Z = 26, N = 30, A = 56" over the half-life, then what the extra fields add; empty outside
// every cell.
std::string DescribeCell(const DrawnChart& chart, int xPixel, int yPixel);

}  // namespace nuklorama
