// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/ChartNotes.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "base/Notation.h"
#include "chart/ChartLayout.h"

namespace nuklorama {
namespace {

int RecordsDrawn(const NuclideTable& table) {
    return std::clamp<int>(table.NuclideCount, 0, NuclideTable::kMaxRecords);
}

// An area that draws nothing and only tells, for each box, whether it lies inside whole, in
// part, or not at all.
class CoverageSurface : public Surface {
public:
    CoverageSurface(float width, float height, float twipsPerPixel)
        : width_(width), height_(height), tpp_(twipsPerPixel) {}

    float Width() const override { return width_; }
    float Height() const override { return height_; }
    float TwipsPerPixelX() const override { return tpp_; }
    float TwipsPerPixelY() const override { return tpp_; }
    void Cls() override {}
    void FillBox(float x1, float y1, float x2, float y2, Colour) override {
        ++boxes;
        // The far corners are the last pixels' positions, so a box inside ends before the edge.
        if (x1 >= 0 && y1 >= 0 && x2 < width_ && y2 < height_)
            ++whole;
        else if (x2 >= 0 && y2 >= 0 && x1 < width_ && y1 < height_)
            ++part;
    }

    int boxes = 0, whole = 0, part = 0;

private:
    float width_, height_, tpp_;
};

bool ShowsCellWhole(int width, int height, float tpp, std::int16_t cellSize, std::int32_t Z,
                    std::int32_t N) {
    CoverageSurface area(float(width) * tpp, float(height) * tpp, tpp);
    DrawCell(area, cellSize, Z, N, 0);
    return area.whole == 1;
}

// The smallest side, from 1 to maxSide pixels, whose steps are at least cellSize pixels and
// which shows row or column count whole; 0 when there is none. Both conditions only grow
// with the side, so halving the range finds it.
int SmallestSide(std::int16_t count, std::int16_t cellSize, float tpp, int maxSide, bool across) {
    const auto fits = [&](int side) {
        return PixelsPerStep(float(side) * tpp, count, tpp) >= cellSize &&
               (across ? ShowsCellWhole(side, cellSize, tpp, cellSize, 0, count)
                       : ShowsCellWhole(cellSize, side, tpp, cellSize, count, 0));
    };
    if (!fits(maxSide)) return 0;
    int low = 1, high = maxSide;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (fits(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

}  // namespace

OutOfView CountOutOfView(const NuclideTable& table, std::int16_t cellSize, const Surface& area) {
    CoverageSurface coverage(area.Width(), area.Height(), area.TwipsPerPixelX());
    OutOfView out;
    for (int i = 1; i <= RecordsDrawn(table); ++i) {
        const auto r = std::size_t(i);
        DrawCell(coverage, cellSize, table.ProtonNumber[r], table.NeutronNumber[r], 0);
        // A cell before row or column 0 is never whole.
        if (table.ProtonNumber[r] < 0 || table.NeutronNumber[r] < 0) ++out.negative;
    }
    out.cut = coverage.part;
    out.leftOut = RecordsDrawn(table) - coverage.whole - coverage.part;
    return out;
}

std::optional<AreaSize> SmallestAreaShowingAll(std::int16_t MaxZ, std::int16_t MaxN,
                                               std::int16_t cellSize, float twipsPerPixel,
                                               int maxSide) {
    const auto showsAll = [&](std::int16_t c) -> std::optional<AreaSize> {
        const int width = SmallestSide(MaxN, c, twipsPerPixel, maxSide, true);
        const int height = SmallestSide(MaxZ, c, twipsPerPixel, maxSide, false);
        if (width == 0 || height == 0) return std::nullopt;
        const CoverageSurface area(float(width) * twipsPerPixel, float(height) * twipsPerPixel,
                                   twipsPerPixel);
        if (ComputeCellSize(area, MaxZ, MaxN) != c) return std::nullopt;
        return AreaSize{width, height};
    };
    // Cells as large as asked for, or larger; failing that, the largest smaller ones. A cell
    // nearly as large as the step the largest number leaves can never show that row whole.
    const std::int16_t asked = std::max<std::int16_t>(cellSize, 1);
    for (std::int32_t k = asked; k <= INT16_MAX; ++k) {
        if (SmallestSide(MaxN, std::int16_t(k), twipsPerPixel, maxSide, true) == 0) break;
        if (const auto area = showsAll(std::int16_t(k))) return area;
    }
    for (std::int32_t k = asked - 1; k >= 1; --k)
        if (const auto area = showsAll(std::int16_t(k))) return area;
    return std::nullopt;
}

std::vector<UnknownUnit> UnknownUnits(const NuclideTable& table) {
    std::vector<UnknownUnit> units;
    std::unordered_map<std::string_view, std::size_t> index;
    for (int i = 1; i <= RecordsDrawn(table); ++i) {
        const std::string& word = table.HalfLifeUnit[std::size_t(i)];
        if (IsKnownUnit(word)) continue;
        const auto [at, added] = index.try_emplace(word, units.size());
        if (added)
            units.push_back({word, i, 1});
        else
            ++units[at->second].records;
    }
    return units;
}

}  // namespace nuklorama
