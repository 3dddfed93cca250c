// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/MassColours.h"

#include <algorithm>
#include <cmath>

#include "chart/DecayPalette.h"

namespace nuklorama {

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
        value = std::log10(value);
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
