// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/CellLabel.h"

#include <algorithm>
#include <cmath>

#include "chart/Elements.h"

namespace nuklorama {
namespace {

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Colour c) {
    return 0.2126 * Linear(RedOf(c)) + 0.7152 * Linear(GreenOf(c)) + 0.0722 * Linear(BlueOf(c));
}

}  // namespace

std::string NuclideName(std::int32_t Z, std::int32_t N) {
    const auto element = ElementOf(Z);
    return Superscript((long long)Z + N) +
           (element ? std::string(element->symbol) : std::to_string(Z));
}

double ContrastRatio(Colour a, Colour b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Colour LabelColour(Colour background) {
    return ContrastRatio(background, kBlack) >= ContrastRatio(background, kWhite) ? kBlack : kWhite;
}

}  // namespace nuklorama
