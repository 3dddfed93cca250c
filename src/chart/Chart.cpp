// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/Chart.h"

#include <algorithm>

#include "chart/ChartLayout.h"
#include "chart/HalfLifeColour.h"

namespace nuklorama {

CellColouring HalfLifeColouring(const NuclideTable& table) {
    return [&table](int i) {
        const auto r = static_cast<std::size_t>(i);
        return CellColours{HalfLifeColour(table.HalfLife[r], table.HalfLifeUnit[r]), std::nullopt};
    };
}

void DrawChart(const NuclideTable& table, std::int16_t cellSize, const Overlays& overlays,
               Surface& picEl) {
    DrawChart(table, cellSize, overlays, picEl, HalfLifeColouring(table));
}

void DrawChart(const NuclideTable& table, std::int16_t cellSize, const Overlays& overlays,
               Surface& picEl, const CellColouring& colouring, int cornerSide) {
    const std::int16_t c = cellSize;
    if (overlays.grid) {
        // Bounded by the record count, not by the largest numbers.
        for (std::int32_t n = 0; n <= table.NuclideCount; n += 10) {
            DrawH(picEl, c, n, kGreen);
            DrawV(picEl, c, n, kGreen);
        }
    }
    if (overlays.periods)
        for (const std::int32_t n : kPeriodEnds)
            DrawH(picEl, c, n, kYellow);
    if (overlays.magic) {
        for (const std::int32_t n : kMagicNumbers)
            DrawH(picEl, c, n, kBlue);
        for (const std::int32_t n : kMagicNumbers)
            DrawV(picEl, c, n, kBlue);
    }
    // A load that met more lines than the table holds leaves a count above it.
    const int last = std::min<int>(table.NuclideCount, NuclideTable::kMaxRecords);
    for (int i = 1; i <= last; ++i) {
        const auto r = static_cast<std::size_t>(i);
        const CellColours colours = colouring(i);
        DrawCell(picEl, c, table.ProtonNumber[r], table.NeutronNumber[r], colours.fill);
        if (colours.corner)
            DrawCellCorner(picEl, c, table.ProtonNumber[r], table.NeutronNumber[r], *colours.corner,
                           cornerSide);
    }
}

}  // namespace nuklorama
