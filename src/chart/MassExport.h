// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "chart/MassQuantities.h"
#include "table/ExtraFields.h"
#include "table/NuclideTable.h"

namespace nuklorama {

enum class ExportFormat { Csv, Json };

// Every ground state of the table in its order, one row or object each: z, n, a, symbol,
// half_life_s (empty for stable and unknown), mass_excess_keV, then for each quantity asked for
// its value, named after the quantity with '_' for '-' and the unit (sn_keV, discovery_year), its
// uncertainty (sn_unc_keV) and whether it is estimated (sn_estimated) where it has them. Energies
// in keV with three decimals; what is not available is empty in CSV and null in JSON.
std::string ExportMasses(const NuclideTable& table, const ExtraFieldTable& extras,
                         const MassQuantities& quantities, const std::vector<MassQuantity>& which,
                         ExportFormat format);

}  // namespace nuklorama
