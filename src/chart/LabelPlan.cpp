// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/LabelPlan.h"

#include <algorithm>
#include <cmath>

namespace nuklorama {
namespace {

// The least height of a capital letter that reads at arm's length.
constexpr double kReadableCapPixels = 7, kReadableCapMm = 1.2;
// Each line's font a share of the cell (the name's smaller with a second line under it), unless
// the widest text of its kind needs it smaller to fit between the margins.
constexpr double kNameOnlyShare = 0.38, kNameShare = 0.3, kSecondShare = 0.2;
constexpr int kCellsPerMargin = 12;

int FontFor(double share, int cellSize, int inside, double widestEm) {
    return int(std::floor(std::min(share * cellSize, inside / widestEm)));
}

LabelPlan Plan(int cellSize, double readableCap, double leastMargin, double secondLineEm) {
    LabelPlan plan;
    const int s = cellSize;
    plan.margin = std::max(int(std::lround(leastMargin)), s / kCellsPerMargin);
    plan.smallestFont = int(std::ceil(readableCap / kCapHeightEm - 1e-9));
    const int inside = s - 2 * plan.margin;
    if (inside <= 0) return plan;
    plan.secondFont = FontFor(kSecondShare, s, inside, secondLineEm);
    const bool second = plan.secondFont >= plan.smallestFont;
    plan.nameFont = FontFor(second ? kNameShare : kNameOnlyShare, s, inside, kWidestNameEm);
    if (plan.nameFont < plan.smallestFont) return plan;
    plan.lines = second ? 2 : 1;
    // The lowest line's box ends at the margin; its text is centred in it and may run to the
    // right margin, so the triangle stays below and right of the line through both.
    const double upper = second ? std::floor(inside * plan.nameShare) : 0;
    const double height = kLineHeightEm * (second ? plan.secondFont : plan.nameFont);
    const double bottom = plan.margin + upper + (inside - upper + height) / 2;
    plan.cornerSide = std::clamp(int(std::floor(s + plan.margin - bottom)) - 1, 0, s);
    return plan;
}

}  // namespace

LabelPlan ScreenLabels(int cellSize, double ratio, double secondLineEm) {
    return Plan(cellSize, kReadableCapPixels * ratio, 2 * ratio, secondLineEm);
}

LabelPlan PaperLabels(int cellSize, double unitsPerMm, double secondLineEm) {
    return Plan(cellSize, kReadableCapMm * unitsPerMm, 0, secondLineEm);
}

int SmallestNamedCell(double ratio) {
    int s = 1;
    while (ScreenLabels(s, ratio).lines == 0)
        ++s;
    return s;
}

double SmallestNamedCellMm() {
    constexpr double kUnitsPerMm = 100;
    int s = 1;
    while (PaperLabels(s, kUnitsPerMm).lines == 0)
        ++s;
    return s / kUnitsPerMm;
}

}  // namespace nuklorama
