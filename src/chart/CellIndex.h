// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "table/NuclideTable.h"

namespace nuklorama {

// The record drawn on top of each occupied cell, by row (Z) and by column (N), built once per
// drawn chart so that the pointer, the keyboard and find never walk the table.
class CellIndex {
public:
    struct Entry {
        std::int32_t other;  // N within a row, Z within a column
        int record;
    };

    explicit CellIndex(const NuclideTable& table);

    // The record on top at (Z, N), 0 for an empty cell.
    int At(std::int32_t Z, std::int32_t N) const;
    // The occupied cells of a row or column, in order of N or Z.
    std::span<const Entry> Row(std::int32_t Z) const;
    std::span<const Entry> Column(std::int32_t N) const;
    // The occupied cells of a row whose N lies in [first, last].
    std::span<const Entry> RowBetween(std::int32_t Z, std::int32_t first, std::int32_t last) const;

private:
    std::unordered_map<std::int32_t, std::vector<Entry>> rows_, columns_;
};

}  // namespace nuklorama
