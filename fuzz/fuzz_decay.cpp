// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes after field 6 of a line: kept within bounds, classified into a class, described.
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
    for (const std::string_view field : {f.decay, f.spin, f.isomers})
        if (field.size() > ExtraFieldTable::kMaxLength || field.find(',') != field.npos)
            std::abort();
    if (table.Decay(1) != f.decay) std::abort();
    const CellDecay cell = ClassifyDecay(f.decay, stable);
    if (int(cell.dominant) >= kDecayClassCount || (stable && cell.dominant != DecayClass::Stable))
        std::abort();
    if (cell.secondary &&
        (*cell.secondary == cell.dominant || int(*cell.secondary) >= kDecayClassCount))
        std::abort();
    DescribeExtraFields(f, 299, "U");
    return 0;
}
