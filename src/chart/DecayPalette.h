// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "chart/Colour.h"
#include "chart/DecayModes.h"

namespace nuklorama {

// The decay-mode view's colours, by class in DecayClass order. They keep the wall charts' hues
// where they can (β⁻ blue, β⁺/EC red, α yellow, SF green, stable black) but are taken from the
// Okabe–Ito set, so that every two of them and each against the chart's background stay apart
// for colour-blind eyes too.
inline constexpr std::array<Colour, kDecayClassCount> kDecayPalette{
    0xB27200,  // β⁻: blue
    0x005ED5,  // β⁺/EC: vermilion
    0x42E4F0,  // α: yellow
    0x739E00,  // SF: bluish green
    0x009FE6,  // p: orange
    0xE9B456,  // n: sky blue
    0xA779CC,  // IT: reddish purple
    0x002277,  // cluster: dark brown
    0x000000,  // stable: black
    0xBEBEBE,  // unknown: light grey
};

constexpr Colour DecayColour(DecayClass decayClass) {
    return kDecayPalette[std::size_t(decayClass)];
}

}  // namespace nuklorama
