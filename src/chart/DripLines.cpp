// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/DripLines.h"

#include <algorithm>
#include <map>

#include "chart/Colour.h"

namespace nuklorama {
namespace {

struct Point {
    std::int32_t along;
    bool bound, estimated;
};

// Each row's nuclides with values, whether one or two nucleons stay bound.
std::vector<DripStep> Walk(std::map<std::int32_t, std::vector<Point>>& rows) {
    std::vector<DripStep> steps;
    for (auto& [row, points] : rows) {
        std::sort(points.begin(), points.end(),
                  [](const Point& a, const Point& b) { return a.along < b.along; });
        std::optional<DripStep> step;
        for (const Point& p : points) {
            if (!p.bound) {
                if (step) step->estimated = p.estimated;
                break;
            }
            step = DripStep{row, p.along, p.estimated};
        }
        if (step) steps.push_back(*step);
    }
    return steps;
}

// A line along a cell's edge: across (x) from a to b, at y; transposed, the same with x and y
// swapped. Dashed, only its middle half.
void Segment(Surface& picEl, double a, double b, double at, int width, bool dashed,
             bool transposed) {
    if (dashed) {
        const double quarter = (b - a) / 4;
        a += quarter;
        b -= quarter;
    }
    double x1 = a, x2 = b, y1 = at - width / 2, y2 = y1 + width - 1;
    if (transposed) std::swap(x1, y1), std::swap(x2, y2);
    const double tppX = picEl.TwipsPerPixelX(), tppY = picEl.TwipsPerPixelY();
    picEl.FillBox(float(x1 * tppX), float(y1 * tppY), float(x2 * tppX), float(y2 * tppY), kBlack);
}

// One side's line: on the neutron side each row's part runs down the edge after its column, and
// steps across to the next row's; the proton side is the same transposed.
void DrawSide(Surface& picEl, int c, const std::vector<DripStep>& steps, bool transposed) {
    const int width = std::max(1, c / 6);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const DripStep& s = steps[i];
        const double edge = double(s.after + 1) * c, top = double(s.row) * c;
        Segment(picEl, top, top + c - 1, edge, width, s.estimated, !transposed);
        if (i + 1 == steps.size() || steps[i + 1].row != s.row + 1) continue;
        const DripStep& next = steps[i + 1];
        const double other = double(next.after + 1) * c;
        Segment(picEl, std::min(edge, other) - width / 2, std::max(edge, other) + width / 2,
                top + c, width, s.estimated || next.estimated, transposed);
    }
}

}  // namespace

DripLines FindDripLines(const NuclideTable& table, const MassQuantities& quantities) {
    std::map<std::int32_t, std::vector<Point>> byZ, byN;
    const auto point = [&](int r, std::int32_t along, MassQuantity one,
                           MassQuantity two) -> std::optional<Point> {
        const auto& a = quantities.Of(r, one);
        const auto& b = quantities.Of(r, two);
        if (!a && !b) return std::nullopt;
        return Point{along, (!a || a->value > 0) && (!b || b->value > 0),
                     (a && a->estimated) || (b && b->estimated)};
    };
    for (int r = 1; r <= table.NuclideCount; ++r) {
        const std::int32_t z = table.ProtonNumber[std::size_t(r)],
                           n = table.NeutronNumber[std::size_t(r)];
        if (const auto p = point(r, n, MassQuantity::Sn, MassQuantity::S2n)) byZ[z].push_back(*p);
        if (const auto p = point(r, z, MassQuantity::Sp, MassQuantity::S2p)) byN[n].push_back(*p);
    }
    return {Walk(byZ), Walk(byN)};
}

Overlays WithDripLines(Overlays overlays, const NuclideTable& table,
                       const MassQuantities* quantities) {
    overlays.dripLines = overlays.drip && quantities
                             ? std::make_shared<const DripLines>(FindDripLines(table, *quantities))
                             : nullptr;
    return overlays;
}

void DrawDripLines(Surface& picEl, std::int16_t cellSize, const DripLines& lines) {
    DrawSide(picEl, cellSize, lines.neutron, false);
    DrawSide(picEl, cellSize, lines.proton, true);
}

}  // namespace nuklorama
