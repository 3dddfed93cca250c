// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Notation.h"
#include "chart/Chart.h"
#include "chart/Colour.h"

namespace nuklorama {

// The mass number and the element symbol, e.g. "⁵⁶Fe"; the proton number where no symbol is.
std::string NuclideName(std::int32_t Z, std::int32_t N);

// The WCAG contrast ratio of two colours, from 1 to 21.
double ContrastRatio(Colour a, Colour b);
// Black or white, whichever stands out more on the colour. A label is written so on its cell's
// main colour; a split cell's second colour keeps clear of the text, as no ink always stands out
// from both.
Colour LabelColour(Colour background);

}  // namespace nuklorama
