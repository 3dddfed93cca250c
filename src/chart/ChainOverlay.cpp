// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/ChainOverlay.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace nuklorama {

ChainOverlay ChainOverlay::Of(const DecayChain& chain) {
    ChainOverlay overlay;
    for (const ChainMember& m : chain.members) {
        overlay.members.push_back({m.Z, m.N});
        // An excited start shares its cell with its ground state, whose probability it shows.
        if (m.record != 0 && (m.state == 0 || !overlay.probabilities.count(m.record)))
            overlay.probabilities[m.record] = LabelProbability(m.probability);
    }
    for (const ChainBranch& b : chain.branches) {
        if (b.kind != ChainBranch::Followed) continue;
        const ChainMember &from = chain.members[std::size_t(b.from)],
                          &to = chain.members[std::size_t(b.to)];
        // IT stays in its cell.
        if (from.Z != to.Z || from.N != to.N)
            overlay.arrows.push_back({{from.Z, from.N}, {to.Z, to.N}, b.estimated});
    }
    return overlay;
}

void ShowChain(Frame& frame, const ChainOverlay& overlay) {
    frame.chain = &overlay;
    frame.secondLine = [&overlay](int record) {
        const auto found = overlay.probabilities.find(record);
        return found != overlay.probabilities.end() ? found->second : std::string();
    };
}

std::string LabelProbability(double fraction) {
    // A cell has room for a few characters: 2e-6 %, not 2 × 10⁻⁶ %.
    char text[32];
    std::snprintf(text, sizeof text, fraction < 1e-4 ? "%.0e" : "%.3g", 100 * fraction);
    std::string written = text;
    if (const std::size_t e = written.find("e-0"); e != std::string::npos) written.erase(e + 2, 1);
    return written + " %";
}

ChainShapes ShapesOf(const ChainOverlay& overlay, const Viewport& view) {
    ChainShapes shapes;
    const double s = view.cellSize;
    shapes.lineWidth = std::max(1.0, std::round(s / 28));
    const double areaLeft = view.left, areaTop = view.top;
    const double areaRight = areaLeft + view.width, areaBottom = areaTop + view.height;
    const auto meets = [&](double left, double top, double right, double bottom) {
        return right >= areaLeft && left <= areaRight && bottom >= areaTop && top <= areaBottom;
    };
    for (const ChartCell& c : overlay.members) {
        const double left = double(view.Left(c.N)), top = double(view.Top(c.Z));
        if (meets(left, top, left + s, top + s)) shapes.outlines.push_back({left, top, s});
    }
    // From edge to edge of the two cells, the head's point at the daughter's; in cells too small
    // for a head, from centre to centre.
    const bool small = s < kSmallestHeadedCell;
    const double head = small ? 0 : s / 4, trim = small ? 0 : 0.45 * s;
    for (const ChainOverlay::Arrow& a : overlay.arrows) {
        const double x1 = double(view.Left(a.from.N)) + s / 2,
                     y1 = double(view.Top(a.from.Z)) + s / 2;
        const double x2 = double(view.Left(a.to.N)) + s / 2, y2 = double(view.Top(a.to.Z)) + s / 2;
        const double length = std::hypot(x2 - x1, y2 - y1);
        if (!meets(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)) ||
            length <= 2 * trim + head)
            continue;
        const double ux = (x2 - x1) / length, uy = (y2 - y1) / length;
        const ChainShapes::Point tip{x2 - ux * trim, y2 - uy * trim};
        const ChainShapes::Point base{tip.x - ux * head, tip.y - uy * head};
        const double w = head * 0.4;
        shapes.arrows.push_back({{x1 + ux * trim, y1 + uy * trim},
                                 base,
                                 {tip, ChainShapes::Point{base.x - uy * w, base.y + ux * w},
                                  ChainShapes::Point{base.x + uy * w, base.y - ux * w}},
                                 a.estimated});
    }
    return shapes;
}

}  // namespace nuklorama
