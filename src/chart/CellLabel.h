// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Notation.h"
#include "chart/Chart.h"
#include "chart/Colour.h"

namespace nuklorama {

// Cells of at least this many logical pixels carry the nuclide's name, and then its half-life.
inline constexpr int kNameLabelSize = 24;
inline constexpr int kHalfLifeLabelSize = 48;

// How a label fills its cell: the name's font a share of the cell (a smaller one with the
// half-life under it), the half-life's another, each shrunk until the widest text of its kind
// fits between the margins; the name takes the upper three fifths of a two-line label.
inline constexpr double kNameOnlyFontShare = 0.38, kNameFontShare = 0.3, kHalfLifeFontShare = 0.2;
inline constexpr std::u32string_view kWidestName = U"²⁸⁸Mm", kWidestHalfLife = U"8.88 min";
inline constexpr int kCellsPerMargin = 12;

// The mass number and the element symbol, e.g. "⁵⁶Fe"; the proton number where no symbol is.
std::string NuclideName(std::int32_t Z, std::int32_t N);

// The WCAG contrast ratio of two colours, from 1 to 21.
double ContrastRatio(Colour a, Colour b);
// Black or white, whichever stands out more on the colour.
Colour LabelColour(Colour background);
// How a label is written on a cell: in the label colour of the cell's main colour; on a cell
// split in two colours, on a plate of the main colour, so that no text lies on the second one,
// with which neither black nor white always stands out.
struct LabelInk {
    Colour text;
    std::optional<Colour> plate;
};
LabelInk InkFor(const CellColours& cell);

}  // namespace nuklorama
