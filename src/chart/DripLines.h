// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "chart/Chart.h"
#include "chart/MassQuantities.h"
#include "chart/Surface.h"
#include "table/NuclideTable.h"

namespace nuklorama {

// Where one row's drip line lies: after column `after`, dashed where estimated values decide it.
// On the neutron side a row is a proton number and a column a neutron number; on the proton side
// the other way round.
struct DripStep {
    std::int32_t row, after;
    bool estimated;
};

// The drip lines of a table: on the neutron side, for each Z, after the largest N up to which
// every nuclide of that Z with values has S_n > 0 and S_2n > 0; on the proton side the same over
// Z for each N with S_p and S_2p. Estimated values count; a line is estimated where the value
// that ends it (or, where none does, the last nuclide's) rests on estimated masses.
struct DripLines {
    std::vector<DripStep> neutron, proton;
};
// quantities must hold S_n, S_2n, S_p and S_2p.
DripLines FindDripLines(const NuclideTable& table, const MassQuantities& quantities);

// The overlays with the drip lines worked out when they are asked for; quantities as for
// FindDripLines.
Overlays WithDripLines(Overlays overlays, const NuclideTable& table,
                       const MassQuantities* quantities);

// Both lines over the cells, black, as steps along the cells' edges; estimated parts dashed.
void DrawDripLines(Surface& picEl, std::int16_t cellSize, const DripLines& lines);

}  // namespace nuklorama
