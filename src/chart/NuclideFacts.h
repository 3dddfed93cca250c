// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "table/ExtraFields.h"

namespace nuklorama {

// The tool tip's half-life line from the half-life as the evaluation gives it, its limits and
// estimates said: "稳定 (> 9.9 Zy)", "半衰期 < 26 ns", "半衰期 2 ms（估计） (> 260 ns)"; empty
// where the field is empty or unreadable, and the table's fields 5 and 6 speak.
std::string HalfLifeFact(std::string_view given);

// What the extra fields say about a nuclide, as lines for the tool tip, each starting with a
// line break: decay modes with their branches, natural abundance, spin and parity and the marks
// on the order of states in words, mass excess, discovery year, and each excited state. Nothing
// for fields that are empty or make no sense.
std::string DescribeExtraFields(const ExtraFields& fields, long long massNumber,
                                const std::string& symbol);

}  // namespace nuklorama
