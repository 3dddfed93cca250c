// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "chart/Chart.h"
#include "table/ExtraFields.h"
#include "table/NuclideTable.h"

namespace nuklorama {

// What the cells' colours say: the half-life grey scale of a press of Draw, or the decay modes.
enum class Colouring { HalfLife, Decay };

// Each record's cell in the colour of its dominant decay class, with a secondary branch in its
// lower-right half; a record without extra fields is unknown unless its unit word says stable.
CellColouring DecayColouring(const NuclideTable& table, const ExtraFieldTable& extras);

// The cells' colours the chosen way.
CellColouring ColouringOf(Colouring colouring, const NuclideTable& table,
                          const ExtraFieldTable& extras);

// The chart as DrawChart draws it, its cells coloured the chosen way.
void DrawChartAs(Colouring colouring, const NuclideTable& table, const ExtraFieldTable& extras,
                 std::int16_t cellSize, const Overlays& overlays, Surface& picEl);

}  // namespace nuklorama
