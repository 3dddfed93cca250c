// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/DecayBranches.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "base/Characters.h"
#include "chart/DecayModes.h"
#include "chart/Elements.h"

namespace nuklorama {
namespace {

struct ModeChange {
    std::string_view mode;
    NucleusChange change;
};
// β⁻ makes a proton of a neutron, β⁺ and capture the other way; what follows a β decay is then
// emitted from the β daughter.
constexpr std::array<ModeChange, 31> kChanges{{
    {"B-", {1, -1}},   {"2B-", {2, -2}},  {"B-n", {1, -2}},   {"B-2n", {1, -3}},  {"B-3n", {1, -4}},
    {"B-4n", {1, -5}}, {"B-p", {0, -1}},  {"B-d", {0, -2}},   {"B-t", {0, -3}},   {"B-A", {-1, -3}},
    {"B+", {-1, 1}},   {"EC", {-1, 1}},   {"e+", {-1, 1}},    {"EC+B+", {-1, 1}}, {"2B+", {-2, 2}},
    {"2EC", {-2, 2}},  {"B+p", {-2, 1}},  {"ECp", {-2, 1}},   {"B+2p", {-3, 1}},  {"B+3p", {-4, 1}},
    {"B+A", {-3, -1}}, {"ECA", {-3, -1}}, {"B+pA", {-4, -1}}, {"A", {-2, -2}},    {"p", {-1, 0}},
    {"2p", {-2, 0}},   {"3p", {-3, 0}},   {"n", {0, -1}},     {"2n", {0, -2}},    {"3n", {0, -3}},
    {"IT", {0, 0}},
}};

// An emitted nucleus such as 14C or 24Ne: its mass number and element symbol.
std::optional<NucleusChange> ClusterChange(std::string_view mode) {
    const auto letter = std::find_if_not(mode.begin(), mode.end(), IsDigit);
    if (letter == mode.begin() || letter == mode.end()) return std::nullopt;
    std::int32_t mass = 0;
    std::from_chars(mode.data(), &*letter, mass);
    const std::string_view symbol = mode.substr(std::size_t(letter - mode.begin()));
    for (std::int32_t Z = 1; Z <= kLastElement && Z < mass; ++Z)
        if (ElementOf(Z)->symbol == symbol) return NucleusChange{-Z, Z - mass};
    return std::nullopt;
}

}  // namespace

std::optional<NucleusChange> ChangeOf(std::string_view mode) {
    for (const ModeChange& m : kChanges)
        if (m.mode == mode) return m.change;
    if (ClassOfMode(mode) == DecayClass::Cluster) return ClusterChange(mode);
    return std::nullopt;
}

std::vector<DecayBranch> BranchesOf(std::string_view list) {
    const DecayShares shares = ShareOut(list);
    const std::vector<DecayEntry> entries = ReadDecayEntries(list);
    std::vector<DecayBranch> branches;
    // Credited branches without an upper limit: what the credits leave of 100 % goes to them.
    std::vector<bool> open;
    for (std::size_t c = 0; c < std::size_t(kDecayClassCount); ++c) {
        if (shares.order[c] < 0) continue;
        const auto decayClass = DecayClass(c);
        const bool credited = shares.credited[c];
        // The β decay alone: what its class leaves after the sub-branches and double β decays.
        std::optional<NucleusChange> beta;
        if (decayClass == DecayClass::BetaMinus) beta = NucleusChange{1, -1};
        if (decayClass == DecayClass::BetaPlus) beta = NucleusChange{-1, 1};
        double rest = std::max(shares.share[c], 0.0);
        std::vector<std::size_t> unnumbered;  // modes named without a number share the rest
        std::optional<std::size_t> betaBranch;
        bool anyMain = false;
        for (const DecayEntry& e : entries) {
            if (ClassOfMode(e.mode) != decayClass) continue;
            const bool sub = FollowsBetaDecay(e.mode);
            const auto change = ChangeOf(e.mode);
            anyMain |= !sub;
            if (!sub && beta && change == beta) {
                if (!betaBranch) {
                    betaBranch = branches.size();
                    branches.push_back({e.mode, change, 0, credited});
                }
                branches[*betaBranch].estimated |= e.estimated;
            } else if (e.Weighed() || (sub && e.relation == '>')) {
                rest -= e.value;
                branches.push_back(
                    {e.mode, change, e.value, credited || e.estimated || e.relation == '>'});
            } else {
                unnumbered.push_back(branches.size());
                branches.push_back({e.mode, change, 0, true});
                open.resize(branches.size());
                open.back() = credited && e.relation != '<';
            }
        }
        // Sub-branches alone still say that the β decay happened.
        if (beta && !betaBranch && !anyMain) {
            betaBranch = branches.size();
            branches.push_back({c == 0 ? "B-" : "B+", beta, 0, credited});
        }
        rest = std::max(rest, 0.0);
        if (betaBranch)
            branches[*betaBranch].fraction = rest;
        else if (credited)
            for (const std::size_t i : unnumbered)
                branches[i].fraction = rest / double(unnumbered.size());
        open.resize(branches.size());
        if (betaBranch) open[*betaBranch] = credited;
    }
    const auto total = [&branches](auto which) {
        double sum = 0;
        for (std::size_t i = 0; i < branches.size(); ++i)
            sum += which(i) ? branches[i].fraction : 0;
        return sum;
    };
    const double all = total([](std::size_t) { return true; });
    const double credit = total([&open](std::size_t i) { return open[i]; });
    if (all < 100 && credit > 0)
        for (std::size_t i = 0; i < branches.size(); ++i)
            if (open[i]) branches[i].fraction *= 1 + (100 - all) / credit;
    // Shares that add to more or, with nothing credited to take the rest, less than 100 %.
    const double scale = total([](std::size_t) { return true; });
    for (DecayBranch& b : branches)
        b.fraction /= scale > 0 ? scale : 1;
    return branches;
}

}  // namespace nuklorama
