// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "chart/Colour.h"
#include "chart/MassQuantities.h"

namespace nuklorama {

// A colour map as its colours at nine evenly spaced points from 0 to 1, blended in between.
using ColourMap = std::array<Colour, 9>;

// Written 0xRRGGBB, as colour maps are published.
constexpr Colour FromRgb(int rgb) {
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

// Low to high: viridis (van der Walt and Smith), dark blue to yellow, lighter all the way.
inline constexpr ColourMap kSequentialMap{FromRgb(0x440154), FromRgb(0x472D7B), FromRgb(0x3B528B),
                                          FromRgb(0x2C728E), FromRgb(0x21918C), FromRgb(0x28AE80),
                                          FromRgb(0x5EC962), FromRgb(0xADDC30), FromRgb(0xFDE725)};
// Out from 0: red below, blue above (ColorBrewer's RdBu), darker the farther out.
inline constexpr ColourMap kDivergingMap{FromRgb(0xB2182B), FromRgb(0xD6604D), FromRgb(0xF4A582),
                                         FromRgb(0xFDDBC7), FromRgb(0xF7F7F7), FromRgb(0xD1E5F0),
                                         FromRgb(0x92C5DE), FromRgb(0x4393C3), FromRgb(0x2166AC)};

// The map's colour at t, which is held to 0 to 1.
Colour MapColour(const ColourMap& map, double t);

// Where a value lies on its quantity's map, from 0 to 1: its range spans the map, values beyond
// take the ends, and on a logarithmic scale 0 and below take the low end.
double MapPosition(double value, ValueRange range, Scale scale);

// A record's colour in a quantity's view; the decay view's grey for "no entry" where the value
// is not available.
Colour MassColour(const MassQuantities& quantities, int record, MassQuantity quantity);

}  // namespace nuklorama
