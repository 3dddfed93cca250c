// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "chart/Chart.h"
#include "chart/MassQuantities.h"
#include "table/ExtraFields.h"
#include "table/NuclideTable.h"

namespace nuklorama {

// What the cells' colours say: the half-life grey scale of a press of Draw, the decay modes, or
// one of the masses' quantities, in MassQuantity's order.
enum class Colouring : std::uint8_t {
    HalfLife,
    Decay,
    BindingEnergy,
    Sn,
    Sp,
    S2n,
    S2p,
    QAlpha,
    QBetaMinus,
    QEc,
    ShellGapN,
    ShellGapP,
    PairingN,
    PairingP,
    MassUncertainty,
    DiscoveryYear,
    Abundance,
};

// The quantity a view colours by; nothing for the half-life and decay views.
std::optional<MassQuantity> QuantityShown(Colouring colouring);
Colouring ViewOf(MassQuantity quantity);
// The view as --colour names it: halflife, decay or a quantity's name; nothing for another name.
std::optional<Colouring> ColouringNamed(std::string_view name);

// Each record's cell in the colour of its dominant decay class, with a secondary branch in its
// lower-right half; a record without extra fields is unknown unless its unit word says stable.
CellColouring DecayColouring(const NuclideTable& table, const ExtraFieldTable& extras);

// The quantities a view and the drip lines need, worked out once per load: have, when it already
// holds them all; nothing when none are needed.
std::shared_ptr<const MassQuantities> QuantitiesFor(Colouring colouring, const Overlays& overlays,
                                                    const NuclideTable& table,
                                                    const ExtraFieldTable& extras,
                                                    std::shared_ptr<const MassQuantities> have);

// The cells' colours the chosen way; a mass view reads quantities, which it keeps, or works its
// own out when they are not given.
CellColouring ColouringOf(Colouring colouring, const NuclideTable& table,
                          const ExtraFieldTable& extras,
                          std::shared_ptr<const MassQuantities> quantities = nullptr);

// A record's value in a mass view as its cell writes it under the name, e.g. "7.368" (MeV), and
// as the tool tip's first line, e.g. "S_n = 7.368 ± 0.002 MeV", "S_n 无数据"; empty outside the
// mass views.
std::string ValueInCell(Colouring colouring, const MassQuantities& quantities, int record);
std::string ValueFact(Colouring colouring, const MassQuantities& quantities, int record);

// A value as the cells and legend write it: energies in MeV to the keV, the mass uncertainty in
// keV, years whole, abundances in percent; and the legend's heading, e.g. "S_n, MeV".
std::string QuantityNumber(MassQuantity quantity, double value);
std::string QuantityHeading(MassQuantity quantity);

// The chart as DrawChart draws it, its cells coloured the chosen way.
void DrawChartAs(Colouring colouring, const NuclideTable& table, const ExtraFieldTable& extras,
                 std::int16_t cellSize, const Overlays& overlays, Surface& picEl,
                 std::shared_ptr<const MassQuantities> quantities = nullptr);

}  // namespace nuklorama
