// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace nuklorama {

// 0x00BBGGRR: red in the low byte.
using Colour = std::int32_t;

inline constexpr Colour kGreen = 0x00FF00;
inline constexpr Colour kYellow = 0x00FFFF;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kBlack = 0x000000;
// What a cleared chart area shows: a pale paper tone, unlike any cell or band colour.
inline constexpr Colour kBackground = 0xE4F1F6;
// The selected cell's frame: a dark violet ring and, inside it, a pale blue one, so that one of
// them shows on any cell; both stay apart from every grey, band, background and decay class, for
// colour-blind eyes too.
inline constexpr Colour kSelectionColour = 0x550044;
inline constexpr Colour kSelectionInnerColour = 0xFFDDCC;

constexpr int RedOf(Colour c) {
    return c & 0xFF;
}
constexpr int GreenOf(Colour c) {
    return (c >> 8) & 0xFF;
}
constexpr int BlueOf(Colour c) {
    return (c >> 16) & 0xFF;
}

}  // namespace nuklorama
