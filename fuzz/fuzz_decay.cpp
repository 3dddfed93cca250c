// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes after field 6 of a line: kept within bounds, shared out among the classes,
// classified, read as masses and excited states, described.
#include <cmath>
#include <cstdlib>

#include "FuzzInput.h"
#include "chart/DecayModes.h"
#include "chart/NuclideFacts.h"
#include "table/ExtraFields.h"

using namespace nuklorama;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const bool stable = in.Take<std::uint8_t>() & 1;
    ExtraFieldTable table;
    table.Keep(1, in.Rest());
    const ExtraFields f = table.Of(1);
    for (const std::string_view field : {f.decay, f.spin, f.isomers, f.halfLife, f.order,
                                         f.massExcess, f.massUncertainty, f.discovery})
        if (field.size() > ExtraFieldTable::kMaxLength || field.find(',') != field.npos)
            std::abort();
    if (table.Decay(1) != f.decay) std::abort();
    const CellDecay cell = ClassifyDecay(f.decay, stable);
    if (int(cell.dominant) >= kDecayClassCount || (stable && cell.dominant != DecayClass::Stable))
        std::abort();
    if (cell.secondary &&
        (*cell.secondary == cell.dominant || int(*cell.secondary) >= kDecayClassCount))
        std::abort();
    // Every class the list names has a share and a measured part, neither of them negative; a
    // dominant class of a decay has a share above 0.
    const DecayShares shares = ShareOut(f.decay);
    const bool decays = cell.dominant != DecayClass::Stable && cell.dominant != DecayClass::Unknown;
    for (std::size_t c = 0; c < shares.share.size(); ++c)
        if ((shares.order[c] < 0) != (shares.share[c] < 0) || std::isnan(shares.share[c]) ||
            (shares.order[c] < 0) != (shares.measured[c] < 0) ||
            (decays && cell.dominant == DecayClass(c) && !(shares.share[c] > 0)))
            std::abort();
    if (const auto mass = MassExcess(f); mass && !(mass->uncertainty >= 0)) std::abort();
    for (const StateFields& state : ExcitedStates(f.isomers))
        if (state.letter.find('|') != std::string_view::npos) std::abort();
    DescribeExtraFields(f, 299, "U");
    return 0;
}
