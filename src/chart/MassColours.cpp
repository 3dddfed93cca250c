// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/MassColours.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

#include "chart/DecayPalette.h"

namespace nuklorama {
namespace {

// log10 of a positive normal value to within 1e-6, from its exponent and the series of
// ln(1 + m) = 2 atanh(m / (2 + m)) for its mantissa: the library's logarithm, one per cell, cost
// a press in the logarithmic view a quarter more.
double Log10(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int exponent = int((bits >> 52) & 0x7FF) - 1023;
    const double m = std::bit_cast<double>((bits & 0xFFFFFFFFFFFFFull) | 0x3FF0000000000000ull) - 1;
    const double s = m / (2 + m), s2 = s * s;
    const double ln = 2 * s * (1 + s2 * (1.0 / 3 + s2 * (1.0 / 5 + s2 * (1.0 / 7 + s2 / 9))));
    return (exponent * 0.693147180559945309 + ln) * 0.434294481903251828;
}

}  // namespace

Colour MapColour(const ColourMap& map, double t) {
    const double at = std::clamp(std::isnan(t) ? 0.0 : t, 0.0, 1.0) * double(map.size() - 1);
    const std::size_t below = std::min(std::size_t(at), map.size() - 2);
    const double part = at - double(below);
    const auto blend = [&](int shift) {
        const int a = (map[below] >> shift) & 0xFF, b = (map[below + 1] >> shift) & 0xFF;
        return int(std::lround(a + part * (b - a))) << shift;
    };
    return blend(0) | blend(8) | blend(16);
}

double MapPosition(double value, ValueRange range, Scale scale) {
    if (scale == Scale::Logarithmic) {
        if (value <= 0) return 0;
        value = std::isnormal(value) ? Log10(value) : std::log10(value);
    }
    if (scale == Scale::Diverging)
        return range.high > 0 ? std::clamp(0.5 + value / (2 * range.high), 0.0, 1.0) : 0.5;
    if (range.high <= range.low) return 0.5;
    return std::clamp((value - range.low) / (range.high - range.low), 0.0, 1.0);
}

Colour MassColour(const MassQuantities& quantities, int record, MassQuantity quantity) {
    const auto& value = quantities.Of(record, quantity);
    if (!value) return DecayColour(DecayClass::Unknown);
    const Scale scale = InfoOf(quantity).scale;
    const double t = MapPosition(value->value, quantities.RangeOf(quantity), scale);
    return MapColour(scale == Scale::Diverging ? kDivergingMap : kSequentialMap, t);
}

}  // namespace nuklorama
