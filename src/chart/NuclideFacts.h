// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "table/ExtraFields.h"

namespace nuklorama {

// What the extra fields say about a nuclide, as lines for the tool tip, each starting with a
// line break: decay modes with their branches, natural abundance, spin and parity, and each
// excited state. Nothing for fields that are empty or make no sense.
std::string DescribeExtraFields(const ExtraFields& fields, long long massNumber,
                                const std::string& symbol);

}  // namespace nuklorama
