// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "table/ExtraFields.h"
#include "table/NuclideTable.h"

namespace nuklorama {

// What follows from the ground states' mass excesses, and the two facts the evaluation gives
// beside them, in the order the export writes them.
enum class MassQuantity : std::uint8_t {
    BindingEnergy,  // B/A
    Sn,
    Sp,
    S2n,
    S2p,
    QAlpha,
    QBetaMinus,
    QEc,
    ShellGapN,  // δ₂n
    ShellGapP,
    PairingN,  // Δₙ⁽³⁾
    PairingP,
    MassUncertainty,
    DiscoveryYear,
    Abundance,
};
inline constexpr int kMassQuantityCount = 15;

// Nuclides beyond these numbers, or with a negative one, are no nuclei and have no values.
inline constexpr int kLastMassZ = 511, kLastMassN = 1023;

// The mass excesses the formulas use in place of the table's own rows, in keV.
inline constexpr double kNeutronMassExcess = 8071.3181;
inline constexpr double kHydrogenMassExcess = 7288.971064;
inline constexpr double kHeliumMassExcess = 2424.91587;

// How a colour map reads a quantity: from low to high, the same over its logarithm, or out from 0
// on either side.
enum class Scale : std::uint8_t { Sequential, Logarithmic, Diverging };

struct QuantityInfo {
    std::string_view name;  // as --colour and --quantities take it
    std::string_view unit;  // keV or percent; nothing for a year
    Scale scale;
    // An energy from the mass excesses, with an uncertainty.
    bool uncertain;
    // Resting on a mass excess the evaluation has from systematics, in part or whole.
    bool estimable;
};
const QuantityInfo& InfoOf(MassQuantity quantity);
std::vector<MassQuantity> AllMassQuantities();
std::optional<MassQuantity> QuantityNamed(std::string_view name);

// The range a colour map spans: the values' 1st to 99th percentile, symmetric about 0 for a
// diverging map and taken over the logarithms for a logarithmic one (log10 of the bounds then).
struct ValueRange {
    double low = 0, high = 0;
};

// The quantities of every record, worked out in one pass over a loaded table, so that views and
// export only read them. A view asks for its own alone, which keeps a press in it nearly as fast
// as in the half-life view.
class MassQuantities {
public:
    MassQuantities() = default;
    // The quantities asked for; the others are not available.
    MassQuantities(const NuclideTable& table, const ExtraFieldTable& extras,
                   const std::vector<MassQuantity>& which = AllMassQuantities());

    // The record's value; nothing where it is not available (a nuclide it needs has no mass
    // excess in the table, or the evaluation gives nothing).
    const std::optional<Measured>& Of(int record, MassQuantity quantity) const;
    // Worked out on first use, as only the view in use needs one.
    ValueRange RangeOf(MassQuantity quantity) const;

private:
    // By quantity, then by record number.
    std::array<std::vector<std::optional<Measured>>, kMassQuantityCount> columns_;
    mutable std::array<std::optional<ValueRange>, kMassQuantityCount> ranges_;
};

}  // namespace nuklorama
