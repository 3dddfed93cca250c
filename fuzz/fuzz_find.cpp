// SPDX-License-Identifier: GPL-3.0-or-later
// Find takes any text: what it finds is a nuclide of the table, and it says why when it finds
// none. The short labels take any half-life and unit word.
#include <cstdlib>
#include <memory>

#include "FuzzInput.h"
#include "chart/CellIndex.h"
#include "chart/CellLabel.h"
#include "chart/FindNuclide.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    static const auto table = [] {
        auto t = std::make_unique<nuklorama::NuclideTable>();
        const int cells[][2] = {{92, 146}, {26, 30}, {0, 1}, {7, 7}, {119, 180}, {26, 30}};
        for (const auto& [Z, N] : cells) {
            const auto r = std::size_t(++t->NuclideCount);
            t->ProtonNumber[r] = Z;
            t->NeutronNumber[r] = N;
            t->HalfLifeUnit[r] = "stable";
        }
        return t;
    }();
    static const nuklorama::CellIndex index(*table);
    const double value = in.Take<double>();
    const std::string label = nuklorama::ShortHalfLife(value, in.Rest().substr(0, 8));
    if (label.size() > 40) std::abort();
    const nuklorama::FoundNuclide found = nuklorama::FindNuclide(in.Rest(), *table, index);
    if (found.Z.has_value() != found.N.has_value() || found.Z.has_value() == !found.reason.empty())
        std::abort();
    if (found.Z && index.At(*found.Z, *found.N) == 0) std::abort();
    return 0;
}
