// SPDX-License-Identifier: GPL-3.0-or-later
// The half-life colour for any double and any unit word stays a colour of the scale.
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "FuzzInput.h"
#include "chart/HalfLifeColour.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const double value = in.Take<double>();
    const nuklorama::Colour c = nuklorama::HalfLifeColour(value, in.Rest());
    const bool grey = c % 65793 == 0;
    if (c < 0 || c > 0xFFFFFF || (!grey && c != nuklorama::kRed)) std::abort();
    return 0;
}
