// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "chart/Chart.h"
#include "chart/RecordedSurface.h"
#include "table/NuclideTable.h"

namespace nuklorama {

// A block of the chart: rows zMin to zMax and columns nMin to nMax, all included.
struct Region {
    std::int32_t zMin, zMax, nMin, nMax;
    std::int32_t Rows() const { return zMax - zMin + 1; }
    std::int32_t Columns() const { return nMax - nMin + 1; }
};

// Numbers larger than this are beyond any table worth drawing a part of.
inline constexpr std::int32_t kMaxRegionNumber = 9999;

// "ZMIN:ZMAX,NMIN:NMAX" in plain digits, each pair in order; nothing when malformed.
std::optional<Region> ParseRegion(std::string_view text);

// The whole chart, row 0 to MaxZ and column 0 to MaxN.
Region WholeChart(const NuclideTable& table);

// Whether a record of the table lies in the region.
bool HoldsNuclide(const NuclideTable& table, const Region& region);

// The largest whole cell size at which the region fits width × height, 0 when it does not.
std::int16_t RegionCellSize(const Region& region, double width, double height);

struct Viewport;
// The chart drawn as Draw draws it at the viewport's cell size, seen through the viewport's
// area: only what lies in the area, moved to the recording's origin.
RecordedSurface DrawWindow(const NuclideTable& table, const Viewport& window,
                           const Overlays& overlays, float twipsPerPixel,
                           const CellColouring& colouring, int cornerSide = INT16_MAX);

}  // namespace nuklorama
