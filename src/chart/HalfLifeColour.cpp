// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/HalfLifeColour.h"

#include <cmath>
#include <cstdint>

#include "base/Notation.h"

namespace nuklorama {
namespace {

// The scale was defined with this 15-digit value of ln 10, not with a library log10: exact
// powers of ten land just below their grey step, and the chart must keep that.
constexpr double kLn10 = 2.30258509299405;

}  // namespace

Colour HalfLifeColour(double value, std::string_view unit) {
    if (IsUnitWord(unit, "stable")) return kWhite;
    if (IsUnitWord(unit, "un")) return kRed;
    const std::optional<double> inSeconds = HalfLifeSeconds(value, unit);
    if (!inSeconds) return kBlack;
    const double seconds = *inSeconds;
    if (!(seconds > 0)) return kBlack;
    if (std::isinf(seconds)) return kWhite;

    const double decades = std::log(seconds) / kLn10;
    const double step = std::floor((decades + 10) * 6);
    // The logarithm keeps step within ±2000, so the product fits in 32 bits.
    const auto c = static_cast<std::int32_t>(step) * 65793;
    if (c < 1) return kBlack;
    if (c > 0xFFFFFE) return kWhite;
    return c;
}

}  // namespace nuklorama
