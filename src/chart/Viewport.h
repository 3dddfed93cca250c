// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "chart/Region.h"

namespace nuklorama {

// A row and a column of the chart.
struct ChartCell {
    std::int32_t Z, N;
    bool operator==(const ChartCell&) const = default;
};

// The cells a viewport shows, first to last in each direction, all included; none when
// lastZ < firstZ or lastN < firstN.
struct CellSpan {
    std::int32_t firstZ, lastZ, firstN, lastN;
};

// Where the chart's cells lie on an output of device pixels (or a page's dots): the chart drawn
// at cellSize as Draw draws it, a picture of pictureWidth × pictureHeight, of which the part from
// the picture's pixel (offsetX, offsetY) is shown in an area of width × height whose top-left
// lies at the output's (left, top). Every position of a cell on any surface comes from here.
struct Viewport {
    int cellSize = 0;
    int pictureWidth = 0, pictureHeight = 0;
    int offsetX = 0, offsetY = 0;
    int width = 0, height = 0;
    int left = 0, top = 0;

    // Draw's picture: the whole chart area, cell (0, 0) at its top-left.
    static Viewport Picture(int cellSize, int width, int height);
    // A closer view: the picture at cellSize, shifted by the offset, in a view of width × height.
    static Viewport Zoomed(int cellSize, int pictureWidth, int pictureHeight, int offsetX,
                           int offsetY, int width, int height);
    // A region at cellSize: its top-left cell at the area's top-left, the area just its cells.
    static Viewport OfRegion(const Region& region, int cellSize);
    // The same cells with the area's top-left moved to the output's (left, top), as a figure or a
    // page places its chart.
    Viewport At(int areaLeft, int areaTop) const;

    // The output's pixel at a cell's top-left corner (64 bits: far cells lie far outside).
    long long Left(std::int32_t N) const { return left + (long long)N * cellSize - offsetX; }
    long long Top(std::int32_t Z) const { return top + (long long)Z * cellSize - offsetY; }
    // The cell under an output's pixel, wherever it lies.
    ChartCell CellAt(long long x, long long y) const;
    // The cell under an output's pixel inside both the area and the picture; nothing elsewhere.
    std::optional<ChartCell> ShownCellAt(long long x, long long y) const;
    // The cells that show at least one pixel in the area.
    CellSpan Visible() const;
};

}  // namespace nuklorama
