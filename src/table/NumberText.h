// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

namespace nuklorama {

// Proton and neutron numbers: the whole text (blanks around it allowed) must be a decimal
// number; it is rounded to the nearest integer, a half to the even neighbour. Raises
// TypeMismatch for anything else and Overflow outside 32 bits. Independent of the locale.
std::int32_t ToInt32(std::string_view text);

// Half-life values: blanks, tabs and line feeds are ignored wherever they stand, then the
// longest prefix that reads as a decimal number is taken; no such prefix gives 0. A value
// beyond the double range becomes an infinity. Never fails; independent of the locale.
double LeadingNumber(std::string_view text);

}  // namespace nuklorama
