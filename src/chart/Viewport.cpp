// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/Viewport.h"

#include <algorithm>
#include <climits>

namespace nuklorama {
namespace {

// Floor division, for pixels left of or above the picture.
long long FloorDiv(long long a, long long b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

std::int32_t Row(long long value) {
    return std::int32_t(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

Viewport Viewport::Picture(int cellSize, int width, int height) {
    return {cellSize, width, height, 0, 0, width, height, 0, 0};
}

Viewport Viewport::Zoomed(int cellSize, int pictureWidth, int pictureHeight, int offsetX,
                          int offsetY, int width, int height) {
    return {cellSize, pictureWidth, pictureHeight, offsetX, offsetY, width, height, 0, 0};
}

Viewport Viewport::OfRegion(const Region& region, int cellSize) {
    const int s = cellSize;
    return {s,
            (region.nMax + 1) * s,
            (region.zMax + 1) * s,
            region.nMin * s,
            region.zMin * s,
            region.Columns() * s,
            region.Rows() * s,
            0,
            0};
}

Viewport Viewport::At(int areaLeft, int areaTop) const {
    Viewport moved = *this;
    moved.left = areaLeft;
    moved.top = areaTop;
    return moved;
}

ChartCell Viewport::CellAt(long long x, long long y) const {
    const int s = std::max(cellSize, 1);
    return {Row(FloorDiv(y - top + offsetY, s)), Row(FloorDiv(x - left + offsetX, s))};
}

std::optional<ChartCell> Viewport::ShownCellAt(long long x, long long y) const {
    const long long px = x - left + offsetX, py = y - top + offsetY;
    if (cellSize <= 0 || x < left || y < top || x >= (long long)left + width ||
        y >= (long long)top + height || px < 0 || py < 0 || px >= pictureWidth ||
        py >= pictureHeight)
        return std::nullopt;
    return CellAt(x, y);
}

CellSpan Viewport::Visible() const {
    if (cellSize <= 0 || width <= 0 || height <= 0) return {0, -1, 0, -1};
    const ChartCell first = CellAt(left, top);
    const ChartCell last = CellAt((long long)left + width - 1, (long long)top + height - 1);
    return {first.Z, last.Z, first.N, last.N};
}

}  // namespace nuklorama
