// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/MassQuantities.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <utility>

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

using Masses = std::map<std::pair<long long, long long>, Measured>;

// factor · (constant + Σ coefficient · Δ), its uncertainty propagated as uncorrelated; nothing
// when a nuclide it needs has no mass excess.
std::optional<Measured> Combine(const Masses& masses, long long z, long long n,
                                const Formula& formula, double constant, double factor) {
    Measured result{constant, 0, false};
    double variance = 0;
    for (int i = 0; i < formula.count; ++i) {
        const Term& term = formula.terms[std::size_t(i)];
        const auto found = masses.find({z + term.dz, n + term.dn});
        if (found == masses.end()) return std::nullopt;
        const Measured& mass = found->second;
        result.value += term.coefficient * mass.value;
        variance += term.coefficient * term.coefficient * mass.uncertainty * mass.uncertainty;
        result.estimated = result.estimated || mass.estimated;
    }
    result.value *= factor;
    result.uncertainty = std::abs(factor) * std::sqrt(variance);
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

double Percentile(const std::vector<double>& sorted, double p) {
    const double at = p * double(sorted.size() - 1);
    const std::size_t below = std::size_t(at);
    const double above = sorted[std::min(below + 1, sorted.size() - 1)];
    return sorted[below] + (at - double(below)) * (above - sorted[below]);
}

}  // namespace

const QuantityInfo& InfoOf(MassQuantity quantity) {
    return kInfo[std::size_t(quantity)];
}

std::optional<MassQuantity> QuantityNamed(std::string_view name) {
    for (std::size_t i = 0; i < kInfo.size(); ++i)
        if (kInfo[i].name == name) return MassQuantity(i);
    return std::nullopt;
}

MassQuantities::MassQuantities(const NuclideTable& table, const ExtraFieldTable& extras)
    : values_(std::size_t(std::max<int>(table.NuclideCount, 0)) + 1) {
    Masses masses;
    for (int r = 1; r <= table.NuclideCount; ++r)
        if (const auto mass = MassExcess(extras.Of(r)))
            masses.emplace(std::pair<long long, long long>(table.ProtonNumber[std::size_t(r)],
                                                           table.NeutronNumber[std::size_t(r)]),
                           *mass);

    std::array<std::vector<double>, kMassQuantityCount> spread;
    for (int r = 1; r <= table.NuclideCount; ++r) {
        const long long z = table.ProtonNumber[std::size_t(r)];
        const long long n = table.NeutronNumber[std::size_t(r)];
        const ExtraFields fields = extras.Of(r);
        auto& values = values_[std::size_t(r)];
        for (int q = 0; q < int(kFormulas.size()); ++q)
            values[std::size_t(q)] = Derived(masses, z, n, MassQuantity(q));
        if (const auto mass = MassExcess(fields))
            values[std::size_t(MassUncertainty)] = Measured{mass->uncertainty, 0, mass->estimated};
        values[std::size_t(DiscoveryYear)] = Year(fields.discovery);
        values[std::size_t(Abundance)] = NaturalShare(fields);

        for (std::size_t q = 0; q < values.size(); ++q) {
            if (!values[q]) continue;
            const double value = values[q]->value;
            if (kInfo[q].scale != Logarithmic)
                spread[q].push_back(value);
            else if (value > 0)
                spread[q].push_back(std::log10(value));
        }
    }

    for (std::size_t q = 0; q < spread.size(); ++q) {
        std::vector<double>& sorted = spread[q];
        if (sorted.empty()) continue;
        std::sort(sorted.begin(), sorted.end());
        ranges_[q] = {Percentile(sorted, 0.01), Percentile(sorted, 0.99)};
        if (kInfo[q].scale == Diverging) {
            const double reach = std::max(std::abs(ranges_[q].low), std::abs(ranges_[q].high));
            ranges_[q] = {-reach, reach};
        }
    }
}

const std::optional<Measured>& MassQuantities::Of(int record, MassQuantity quantity) const {
    static const std::optional<Measured> none;
    if (record < 1 || std::size_t(record) >= values_.size()) return none;
    return values_[std::size_t(record)][std::size_t(quantity)];
}

}  // namespace nuklorama
