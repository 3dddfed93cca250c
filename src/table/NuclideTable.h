// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace nuklorama {

// The loaded table: parallel arrays indexed by record number 1 to kMaxRecords (index 0 is
// never written). Nothing is cleared between loads; only records 1 to NuclideCount are valid.
struct NuclideTable {
    static constexpr int kMaxRecords = 5000;

    std::array<std::int32_t, kMaxRecords + 1> ProtonNumber{};
    std::array<std::int32_t, kMaxRecords + 1> NeutronNumber{};
    std::array<double, kMaxRecords + 1> HalfLife{};
    std::array<std::string, kMaxRecords + 1> HalfLifeUnit{};
    std::int16_t NuclideCount = 0;
    std::int16_t MaxZ = 0;
    std::int16_t MaxN = 0;
};

}  // namespace nuklorama
