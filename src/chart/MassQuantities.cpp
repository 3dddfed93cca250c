// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/MassQuantities.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "chart/DecayModes.h"

namespace nuklorama {
namespace {

using enum MassQuantity;
using enum Scale;

constexpr std::array<QuantityInfo, kMassQuantityCount> kInfo{{
    {"binding-energy", "keV", Sequential, true, true},
    {"sn", "keV", Diverging, true, true},
    {"sp", "keV", Diverging, true, true},
    {"s2n", "keV", Diverging, true, true},
    {"s2p", "keV", Diverging, true, true},
    {"q-alpha", "keV", Diverging, true, true},
    {"q-beta-minus", "keV", Diverging, true, true},
    {"q-ec", "keV", Diverging, true, true},
    {"shell-gap-n", "keV", Diverging, true, true},
    {"shell-gap-p", "keV", Diverging, true, true},
    {"pairing-n", "keV", Diverging, true, true},
    {"pairing-p", "keV", Diverging, true, true},
    {"mass-uncertainty", "keV", Logarithmic, false, true},
    {"discovery-year", "", Sequential, false, false},
    {"abundance", "percent", Sequential, false, false},
}};

// One mass excess of a formula: Δ(Z + dz, N + dn) times its coefficient.
struct Term {
    int dz, dn;
    double coefficient;
};
// A sum of mass excesses and a constant, all times a factor that may depend on the nuclide.
struct Formula {
    double constant;
    int count;
    std::array<Term, 3> terms;
};
constexpr double kN = kNeutronMassExcess, kH = kHydrogenMassExcess;
// B = Z·Δ(¹H) + N·Δ(n) − Δ: its constant depends on the nuclide; the pairing gaps' second
// differences of B are the negated ones of Δ, whose linear parts cancel.
constexpr std::array<Formula, 12> kFormulas{{
    {0, 1, {{{0, 0, -1}}}},
    {kN, 2, {{{0, -1, 1}, {0, 0, -1}}}},
    {kH, 2, {{{-1, 0, 1}, {0, 0, -1}}}},
    {2 * kN, 2, {{{0, -2, 1}, {0, 0, -1}}}},
    {2 * kH, 2, {{{-2, 0, 1}, {0, 0, -1}}}},
    {-kHeliumMassExcess, 2, {{{0, 0, 1}, {-2, -2, -1}}}},
    {0, 2, {{{0, 0, 1}, {1, -1, -1}}}},
    {0, 2, {{{0, 0, 1}, {-1, 1, -1}}}},
    {0, 3, {{{0, -2, 1}, {0, 0, -2}, {0, 2, 1}}}},
    {0, 3, {{{-2, 0, 1}, {0, 0, -2}, {2, 0, 1}}}},
    {0, 3, {{{0, -1, 1}, {0, 0, -2}, {0, 1, 1}}}},
    {0, 3, {{{-1, 0, 1}, {0, 0, -2}, {1, 0, 1}}}},
}};

// The ground states' mass excesses by proton and neutron number, in a grid for lookups in
// constant time: the quantities look up some 100 000 neighbours per load.
class Masses {
public:
    // excess: each record's mass excess, by record number.
    Masses(const NuclideTable& table, const std::vector<std::optional<Measured>>& excess)
        : rows_(std::clamp<long long>(table.MaxZ, -1, kLastMassZ) + 1),
          columns_(std::clamp<long long>(table.MaxN, -1, kLastMassN) + 1),
          cells_(std::size_t(rows_ * columns_)) {
        for (int r = 1; r <= table.NuclideCount; ++r) {
            const auto at =
                IndexOf(table.ProtonNumber[std::size_t(r)], table.NeutronNumber[std::size_t(r)]);
            if (at && !cells_[*at].known && excess[std::size_t(r)])
                cells_[*at] = {*excess[std::size_t(r)], true};
        }
    }
    const Measured* Find(long long z, long long n) const {
        const auto at = IndexOf(z, n);
        return at && cells_[*at].known ? &cells_[*at].mass : nullptr;
    }

private:
    std::optional<std::size_t> IndexOf(long long z, long long n) const {
        if (z < 0 || n < 0 || z >= rows_ || n >= columns_) return std::nullopt;
        return std::size_t(z * columns_ + n);
    }

    struct Cell {
        Measured mass;
        bool known = false;
    };
    long long rows_, columns_;
    std::vector<Cell> cells_;
};

// factor · (constant + Σ coefficient · Δ), its uncertainty propagated as uncorrelated; nothing
// when a nuclide it needs has no mass excess or the sum overflows.
std::optional<Measured> Combine(const Masses& masses, long long z, long long n,
                                const Formula& formula, double constant, double factor) {
    Measured result{constant, 0, false};
    double variance = 0;
    for (int i = 0; i < formula.count; ++i) {
        const Term& term = formula.terms[std::size_t(i)];
        const Measured* mass = masses.Find(z + term.dz, n + term.dn);
        if (mass == nullptr) return std::nullopt;
        result.value += term.coefficient * mass->value;
        variance += term.coefficient * term.coefficient * mass->uncertainty * mass->uncertainty;
        result.estimated = result.estimated || mass->estimated;
    }
    result.value *= factor;
    result.uncertainty = std::abs(factor) * std::sqrt(variance);
    // Only a table of made-up masses overflows; its sums say nothing.
    if (!std::isfinite(result.value) || !std::isfinite(result.uncertainty)) return std::nullopt;
    return result;
}

std::optional<Measured> Derived(const Masses& masses, long long z, long long n, MassQuantity q) {
    const Formula& formula = kFormulas[std::size_t(q)];
    switch (q) {
        case BindingEnergy:
            if (z + n <= 0) return std::nullopt;
            return Combine(masses, z, n, formula, double(z) * kH + double(n) * kN,
                           1.0 / double(z + n));
        case PairingN:
            return Combine(masses, z, n, formula, 0, n % 2 == 0 ? 0.5 : -0.5);
        case PairingP:
            return Combine(masses, z, n, formula, 0, z % 2 == 0 ? 0.5 : -0.5);
        default:
            return Combine(masses, z, n, formula, formula.constant, 1);
    }
}

// The natural abundance of the ground state or, as for ¹⁸⁰ᵐTa, of an excited state.
std::optional<Measured> NaturalShare(const ExtraFields& fields) {
    // Most nuclides have none: only an entry named IS is read.
    if (fields.decay.find("IS") == std::string_view::npos &&
        fields.isomers.find("IS") == std::string_view::npos)
        return std::nullopt;
    double percent = NaturalAbundance(fields.decay);
    for (const StateFields& state : ExcitedStates(fields.isomers))
        if (percent <= 0) percent = NaturalAbundance(state.decay);
    if (percent <= 0) return std::nullopt;
    return Measured{percent, 0, false};
}

std::optional<Measured> Year(std::string_view text) {
    int year = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return Measured{double(year), 0, false};
}

// The value a share p of the values lies below, between the two nearest; reorders them.
double Percentile(std::vector<double>& values, double p) {
    const double at = p * double(values.size() - 1);
    const auto below = values.begin() + std::ptrdiff_t(at);
    std::nth_element(values.begin(), below, values.end());
    const double next =
        below + 1 == values.end() ? *below : *std::min_element(below + 1, values.end());
    return *below + (at - std::floor(at)) * (next - *below);
}

}  // namespace

const QuantityInfo& InfoOf(MassQuantity quantity) {
    return kInfo[std::size_t(quantity)];
}

std::vector<MassQuantity> AllMassQuantities() {
    std::vector<MassQuantity> all;
    for (int q = 0; q < kMassQuantityCount; ++q)
        all.push_back(MassQuantity(q));
    return all;
}

std::optional<MassQuantity> QuantityNamed(std::string_view name) {
    for (std::size_t i = 0; i < kInfo.size(); ++i)
        if (kInfo[i].name == name) return MassQuantity(i);
    return std::nullopt;
}

MassQuantities::MassQuantities(const NuclideTable& table, const ExtraFieldTable& extras,
                               const std::vector<MassQuantity>& which) {
    const std::size_t records = std::size_t(std::max<int>(table.NuclideCount, 0)) + 1;
    for (const MassQuantity q : which)
        columns_[std::size_t(q)].resize(records);
    const auto wanted = [&](MassQuantity q) { return !columns_[std::size_t(q)].empty(); };
    const auto set = [&](MassQuantity q, int r, std::optional<Measured> value) {
        if (wanted(q)) columns_[std::size_t(q)][std::size_t(r)] = value;
    };

    std::vector<std::optional<Measured>> excess(records);
    for (int r = 1; r <= table.NuclideCount; ++r) {
        const ExtraFields fields = extras.Of(r);
        const auto& mass = excess[std::size_t(r)] = MassExcess(fields);
        if (mass) set(MassUncertainty, r, Measured{mass->uncertainty, 0, mass->estimated});
        if (wanted(DiscoveryYear)) set(DiscoveryYear, r, Year(fields.discovery));
        if (wanted(Abundance)) set(Abundance, r, NaturalShare(fields));
    }
    const Masses masses(table, excess);
    for (int q = 0; q < int(kFormulas.size()); ++q)
        if (wanted(MassQuantity(q)))
            for (int r = 1; r <= table.NuclideCount; ++r)
                set(MassQuantity(q), r,
                    Derived(masses, table.ProtonNumber[std::size_t(r)],
                            table.NeutronNumber[std::size_t(r)], MassQuantity(q)));
}

ValueRange MassQuantities::RangeOf(MassQuantity quantity) const {
    std::optional<ValueRange>& range = ranges_[std::size_t(quantity)];
    if (range) return *range;
    const Scale scale = InfoOf(quantity).scale;
    std::vector<double> values;
    for (const auto& value : columns_[std::size_t(quantity)])
        if (value && (scale != Logarithmic || value->value > 0)) values.push_back(value->value);
    range = ValueRange{};
    if (values.empty()) return *range;
    range = ValueRange{Percentile(values, 0.01), Percentile(values, 0.99)};
    if (scale == Logarithmic) range = ValueRange{std::log10(range->low), std::log10(range->high)};
    if (scale == Diverging) {
        const double reach = std::max(std::abs(range->low), std::abs(range->high));
        range = ValueRange{-reach, reach};
    }
    return *range;
}

const std::optional<Measured>& MassQuantities::Of(int record, MassQuantity quantity) const {
    static const std::optional<Measured> none;
    const auto& column = columns_[std::size_t(quantity)];
    if (record < 1 || std::size_t(record) >= column.size()) return none;
    return column[std::size_t(record)];
}

}  // namespace nuklorama
