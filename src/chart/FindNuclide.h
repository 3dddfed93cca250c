// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "chart/CellIndex.h"
#include "table/ExtraFields.h"
#include "table/NuclideTable.h"

namespace nuklorama {

struct FoundNuclide {
    std::optional<std::int32_t> Z, N;  // both set when found
    std::string reason;                // why not, when not
    char state = 0;                    // an excited state's letter ('m', 'n' …), 0 for the ground
};

// A nuclide as people type it, case and blanks free: "U-238", "U238", "238U", "uranium-238",
// "铀-238", "Z=92 N=146"; an element alone gives its longest-lived nuclide in the table (stable
// first; among equals the most abundant where extras say so, else the lowest mass number). An
// excited state the record lists (extras needed) by its letter or as the m-th isomer: "Tc-99m",
// "99mTc", "Hf-178m2", "Hf-178n".
FoundNuclide FindNuclide(std::string_view text, const NuclideTable& table, const CellIndex& cells,
                         const ExtraFieldTable* extras = nullptr);

// A nuclide's or an excited state's name: "⁹⁹Tc", "⁹⁹ᵐTc", "¹⁷⁸ⁿHf".
std::string StateName(std::int32_t Z, std::int32_t N, char state);

}  // namespace nuklorama
