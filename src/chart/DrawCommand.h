// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/UserInterface.h"
#include "chart/Chart.h"
#include "chart/Colouring.h"
#include "table/ExtraFields.h"
#include "table/NuclideTable.h"

namespace nuklorama {

// What a press of Draw keeps between presses besides the picture.
struct ChartState {
    NuclideTable table;
    ExtraFieldTable extras;
    std::int16_t CellSize = 0;
    // What the mass view and drip lines of the last press worked out from the table, and the
    // overlays as drawn.
    std::shared_ptr<const MassQuantities> quantities;
    Overlays overlays;
};

enum class DrawResult { Drawn, NothingToDraw, AreaTooSmall };

inline constexpr const char* kTableFileName = "nuklorama.csv";
inline constexpr const char* kNothingToDrawMessage =
    "The table holds no nuclide with a positive proton and neutron number, so there is nothing "
    "to draw.";

// One press of Draw: reload the table from fn, fit the chart to picEl, clear it and draw it,
// with the busy pointer meanwhile. A table or area that gives no chart leaves the previous
// picture and says why. The cells are grey by half-life unless colouring asks otherwise.
DrawResult PressDraw(const std::string& fn, ChartState& state, Surface& picEl, UserInterface& ui,
                     const Overlays& overlays, Colouring colouring = Colouring::HalfLife);

}  // namespace nuklorama
