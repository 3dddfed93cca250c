// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "chart/Colour.h"
#include "chart/Surface.h"
#include "table/NuclideTable.h"

namespace nuklorama {

// The bands a chart shows under its cells.
struct Overlays {
    bool grid = true;     // every tenth row and column, green
    bool periods = true;  // the rows that close the periods, yellow
    bool magic = true;    // the magic numbers as rows and columns, blue
};

inline constexpr std::int32_t kPeriodEnds[] = {2, 10, 18, 36, 54, 86, 118};
inline constexpr std::int32_t kMagicNumbers[] = {2, 8, 20, 28, 50, 82, 126, 184};

// Draws the overlays that are on and then every record's cell, cellSize pixels square, over
// what picEl holds. Later drawing covers earlier: grid, period rows, magic rows, magic columns,
// cells.
void DrawChart(const NuclideTable& table, std::int16_t cellSize, const Overlays& overlays,
               Surface& picEl);

// What a record's cell is filled with: one colour, and another in its lower-right half.
struct CellColours {
    Colour fill;
    std::optional<Colour> corner;
};
using CellColouring = std::function<CellColours(int record)>;

// Each record's cell grey by its half-life, as a press of Draw colours it.
CellColouring HalfLifeColouring(const NuclideTable& table);

// The same chart with the cells coloured by colouring instead of by half-life; a split cell's
// second colour in a triangle of cornerSide pixels, at most its lower-right half.
void DrawChart(const NuclideTable& table, std::int16_t cellSize, const Overlays& overlays,
               Surface& picEl, const CellColouring& colouring, int cornerSide = INT16_MAX);

}  // namespace nuklorama
