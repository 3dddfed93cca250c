// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "chart/Colour.h"

namespace nuklorama {

// The shade of a nuclide's cell: white if stable, red if the half-life is unknown ("un"), else
// grey on a scale of six steps per decade of seconds, darker the shorter the half-life. Unknown
// unit words and non-positive half-lives are black, half-lives beyond the double range white.
Colour HalfLifeColour(double value, std::string_view unit);

}  // namespace nuklorama
