// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/Colouring.h"

#include "base/Notation.h"
#include "chart/DecayPalette.h"

namespace nuklorama {

CellColouring DecayColouring(const NuclideTable& table, const ExtraFieldTable& extras) {
    return [&table, &extras](int record) {
        const CellDecay decay = ClassifyDecay(
            extras.Decay(record), IsUnitWord(table.HalfLifeUnit[std::size_t(record)], "stable"));
        CellColours colours{DecayColour(decay.dominant), std::nullopt};
        if (decay.secondary) colours.corner = DecayColour(*decay.secondary);
        return colours;
    };
}

CellColouring ColouringOf(Colouring colouring, const NuclideTable& table,
                          const ExtraFieldTable& extras) {
    return colouring == Colouring::Decay ? DecayColouring(table, extras) : HalfLifeColouring(table);
}

void DrawChartAs(Colouring colouring, const NuclideTable& table, const ExtraFieldTable& extras,
                 std::int16_t cellSize, const Overlays& overlays, Surface& picEl) {
    DrawChart(table, cellSize, overlays, picEl, ColouringOf(colouring, table, extras));
}

}  // namespace nuklorama
