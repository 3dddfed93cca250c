// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "table/NuclideTable.h"

namespace nuklorama {

// The record drawn on top of each occupied cell, by row (Z) and by column (N), built once per
// drawn chart so that the pointer, the keyboard and find never walk the table.
class CellIndex {
public:
    struct Cell {
        std::int32_t Z, N;
        int record;
    };

    explicit CellIndex(const NuclideTable& table);

    // The record on top at (Z, N), 0 for an empty cell.
    int At(std::int32_t Z, std::int32_t N) const;
    // The occupied cells of a row in order of N, of a column in order of Z.
    std::span<const Cell> Row(std::int32_t Z) const;
    std::span<const Cell> Column(std::int32_t N) const;
    // The occupied cells of a row whose N lies in [first, last].
    std::span<const Cell> RowBetween(std::int32_t Z, std::int32_t first, std::int32_t last) const;

private:
    std::vector<Cell> byRow_, byColumn_;
};

}  // namespace nuklorama
