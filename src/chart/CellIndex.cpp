// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/CellIndex.h"

#include <algorithm>
#include <tuple>

namespace nuklorama {
namespace {

using Cell = CellIndex::Cell;

bool RowOrder(const Cell& a, const Cell& b) {
    return std::tie(a.Z, a.N, a.record) < std::tie(b.Z, b.N, b.record);
}

bool ColumnOrder(const Cell& a, const Cell& b) {
    return std::tie(a.N, a.Z) < std::tie(b.N, b.Z);
}

// Orders cells by one of their numbers, keeping the order of equals: a counting sort when the
// numbers span a small range, as they do in every table of nuclides.
void StableSortBy(std::vector<Cell>& cells, std::int32_t Cell::*number) {
    if (cells.empty()) return;
    const auto [low, high] = std::minmax_element(
        cells.begin(), cells.end(),
        [number](const Cell& a, const Cell& b) { return a.*number < b.*number; });
    const std::int64_t first = (*low).*number, range = std::int64_t((*high).*number) - first + 1;
    if (range > (1 << 16)) {
        std::stable_sort(cells.begin(), cells.end(),
                         [number](const Cell& a, const Cell& b) { return a.*number < b.*number; });
        return;
    }
    std::vector<std::size_t> starts(std::size_t(range) + 1, 0);
    for (const Cell& cell : cells)
        ++starts[std::size_t(cell.*number - first) + 1];
    for (std::size_t i = 1; i < starts.size(); ++i)
        starts[i] += starts[i - 1];
    std::vector<Cell> sorted(cells.size());
    for (const Cell& cell : cells)
        sorted[starts[std::size_t(cell.*number - first)]++] = cell;
    cells.swap(sorted);
}

std::span<const Cell> Between(const std::vector<Cell>& cells, const Cell& first, const Cell& last,
                              bool (*before)(const Cell&, const Cell&)) {
    const auto from = std::lower_bound(cells.begin(), cells.end(), first, before);
    const auto to = std::upper_bound(from, cells.end(), last, before);
    return {from, to};
}

}  // namespace

CellIndex::CellIndex(const NuclideTable& table) {
    const int last = std::min<int>(table.NuclideCount, NuclideTable::kMaxRecords);
    byRow_.reserve(std::size_t(std::max(last, 0)));
    for (int i = 1; i <= last; ++i) {
        const auto r = static_cast<std::size_t>(i);
        byRow_.push_back({table.ProtonNumber[r], table.NeutronNumber[r], i});
    }
    // By Z, then N, then record: each pass keeps the order of the one before.
    StableSortBy(byRow_, &Cell::N);
    StableSortBy(byRow_, &Cell::Z);
    // Drawn in record order, so the last record of a cell is the one on top.
    const auto sameCell = [](const Cell& a, const Cell& b) { return a.Z == b.Z && a.N == b.N; };
    auto kept = byRow_.begin();
    for (auto it = byRow_.begin(); it != byRow_.end(); ++it)
        if (std::next(it) == byRow_.end() || !sameCell(*it, *std::next(it))) *kept++ = *it;
    byRow_.erase(kept, byRow_.end());
    byColumn_ = byRow_;
    StableSortBy(byColumn_, &Cell::N);
}

int CellIndex::At(std::int32_t Z, std::int32_t N) const {
    const auto cell = RowBetween(Z, N, N);
    return cell.empty() ? 0 : cell.front().record;
}

std::span<const CellIndex::Cell> CellIndex::Row(std::int32_t Z) const {
    return RowBetween(Z, INT32_MIN, INT32_MAX);
}

std::span<const CellIndex::Cell> CellIndex::Column(std::int32_t N) const {
    return Between(byColumn_, {INT32_MIN, N, 0}, {INT32_MAX, N, 0}, ColumnOrder);
}

std::span<const CellIndex::Cell> CellIndex::RowBetween(std::int32_t Z, std::int32_t first,
                                                       std::int32_t last) const {
    if (first > last) return {};
    return Between(byRow_, {Z, first, INT32_MIN}, {Z, last, INT32_MAX}, RowOrder);
}

}  // namespace nuklorama
