// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace nuklorama {

// DejaVu Sans in ems, by which labels are sized: its capital letters and its line, the widest
// name a cell is made to hold (²⁸⁸Mm) and the widest half-life (8.88 min).
inline constexpr double kCapHeightEm = 0.729, kLineHeightEm = 1.164;
inline constexpr double kWidestNameEm = 3.04, kWidestHalfLifeEm = 4.43;

// What the cells of one size say and where, in the output's device units (pixels, or a page's
// dots): nothing, the name (mass number and symbol), or the name over a second line (the
// half-life, or whatever the frame puts there). Text is never smaller than readable: a cell too
// small for readable text says less.
struct LabelPlan {
    int lines = 0;
    int margin = 0;  // from each edge of the cell to the text
    // Pixel sizes of the two lines' fonts, and the least a longer text shrinks to before it is
    // cut with "…".
    int nameFont = 0, secondFont = 0, smallestFont = 0;
    // On two lines, the name's share of the height inside the margins.
    double nameShare = 3.0 / 5;
    // The side of a split cell's second-colour triangle in the lower-right corner, clear of the
    // text so that the text lies on the cell's main colour only.
    int cornerSide = 0;

    bool operator==(const LabelPlan&) const = default;
};

// For cells of cellSize device pixels on a screen or in a picture of ratio device pixels per
// logical pixel: capital letters at least 7 logical pixels tall. secondLineEm is the widest
// second line in ems.
LabelPlan ScreenLabels(int cellSize, double ratio, double secondLineEm = kWidestHalfLifeEm);
// For cells of cellSize units on paper at unitsPerMm: capital letters at least 1.2 mm tall.
LabelPlan PaperLabels(int cellSize, double unitsPerMm, double secondLineEm = kWidestHalfLifeEm);

// The smallest cells that carry a name, in device pixels and in millimetres.
int SmallestNamedCell(double ratio);
double SmallestNamedCellMm();

}  // namespace nuklorama
