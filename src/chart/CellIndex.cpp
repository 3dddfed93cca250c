// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/CellIndex.h"

#include <algorithm>
#include <map>
#include <utility>

namespace nuklorama {
namespace {

std::span<const CellIndex::Entry> Find(
    const std::unordered_map<std::int32_t, std::vector<CellIndex::Entry>>& lines,
    std::int32_t key) {
    const auto found = lines.find(key);
    if (found == lines.end()) return {};
    return found->second;
}

bool Before(const CellIndex::Entry& entry, std::int32_t other) {
    return entry.other < other;
}

}  // namespace

CellIndex::CellIndex(const NuclideTable& table) {
    // Drawn in record order, so the last record of a cell is the one on top.
    std::map<std::pair<std::int32_t, std::int32_t>, int> top;
    const int last = std::min<int>(table.NuclideCount, NuclideTable::kMaxRecords);
    for (int i = 1; i <= last; ++i) {
        const auto r = static_cast<std::size_t>(i);
        top[{table.ProtonNumber[r], table.NeutronNumber[r]}] = i;
    }
    // The map is ordered by Z then N, so every row and column comes out sorted.
    for (const auto& [cell, record] : top) {
        rows_[cell.first].push_back({cell.second, record});
        columns_[cell.second].push_back({cell.first, record});
    }
}

int CellIndex::At(std::int32_t Z, std::int32_t N) const {
    const auto row = Row(Z);
    const auto found = std::lower_bound(row.begin(), row.end(), N, Before);
    return found != row.end() && found->other == N ? found->record : 0;
}

std::span<const CellIndex::Entry> CellIndex::Row(std::int32_t Z) const {
    return Find(rows_, Z);
}

std::span<const CellIndex::Entry> CellIndex::Column(std::int32_t N) const {
    return Find(columns_, N);
}

std::span<const CellIndex::Entry> CellIndex::RowBetween(std::int32_t Z, std::int32_t first,
                                                        std::int32_t last) const {
    const auto row = Row(Z);
    const auto from = std::lower_bound(row.begin(), row.end(), first, Before);
    const auto to = std::upper_bound(row.begin(), row.end(), last,
                                     [](std::int32_t n, const Entry& e) { return n < e.other; });
    return from < to ? std::span<const Entry>(from, to) : std::span<const Entry>();
}

}  // namespace nuklorama
