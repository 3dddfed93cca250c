// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "chart/Colour.h"

namespace nuklorama {

// The shade of a nuclide's cell: white if stable, red if the half-life is unknown ("un"), else
// grey on a scale of six steps per decade of seconds, darker the shorter the half-life. Unknown
// unit words and non-positive half-lives are black, half-lives beyond the double range white.
Colour HalfLifeColour(double value, std::string_view unit);

// The half-life in seconds when the unit word is one of the time units, else nothing.
std::optional<double> HalfLifeSeconds(double value, std::string_view unit);

// Whether the scale gives the unit word a meaning: stable, un or one of its time units. Any other
// word draws black.
bool IsKnownUnit(std::string_view unit);

// Whether unit is the lower-case word, compared without regard to case and without trimming.
// Only ASCII letters can match a known word, so folding ASCII is enough.
bool IsUnitWord(std::string_view unit, std::string_view lowerWord);

}  // namespace nuklorama
