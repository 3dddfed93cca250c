// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuklorama {

// The classes the decay-mode view colours cells by, in the legend's order.
enum class DecayClass : std::uint8_t {
    BetaMinus,
    BetaPlus,
    Alpha,
    Fission,
    Proton,
    Neutron,
    IsomericTransition,
    Cluster,
    Stable,
    Unknown,
};
inline constexpr int kDecayClassCount = 10;

// One entry of a decay list such as "A=100", "B+~90#", "SF<0.1", "B-=?" or "p?".
struct DecayEntry {
    std::string_view mode;
    char relation = 0;  // '=', '~', '<' or '>'; 0 where no number is given
    std::string_view number;
    double value = 0;        // the number, when there is one
    bool estimated = false;  // '#': from systematics
    // '=' or '~' with a number: a branch that counts when the modes are weighed.
    bool Weighed() const { return (relation == '=' || relation == '~') && !number.empty(); }
};

// The entries of a decay list, ';'-separated; pieces without a mode or with a number that does
// not read are left out.
std::vector<DecayEntry> ReadDecayEntries(std::string_view list);

// The natural abundance in per cent (the IS entry), 0 where the list gives none.
double NaturalAbundance(std::string_view list);

// The class of a decay mode; nothing for the natural abundance (IS) and for modes of no class.
std::optional<DecayClass> ClassOfMode(std::string_view mode);

// Whether a mode is a sub-branch that follows a β decay (B-n, B-2n, B+p, B+A, ECSF …): part of
// its β class's share, never added to it.
bool FollowsBetaDecay(std::string_view mode);

// What a decay list gives each class, in per cent.
struct DecayShares {
    // The sum of the class's main entries given with = or ~ (EC and e+ within a measured B+ are
    // its parts); for a class named only with ?, limits or sub-branches, a credit: what the
    // given shares leave of 100 %, split evenly among such classes, at least their lower bound
    // and at most their upper limit. -1 for a class the list does not name.
    std::array<double, kDecayClassCount> share;
    // What was measured of the share: the given share, else the lower bound (> on a main entry,
    // or the sub-branches' sum); -1 for a class the list does not name.
    std::array<double, kDecayClassCount> measured;
    std::array<bool, kDecayClassCount> credited;
    // Where the list first names each class, from 0; -1 where it does not.
    std::array<int, kDecayClassCount> order;
};
DecayShares ShareOut(std::string_view list);

// What a cell of the decay-mode view shows: the class with the largest share (never a share of
// 0; the one named first on a tie) and, in the corner, the class with the largest measured share
// among the others when it is at least kSecondaryBranch per cent.
struct CellDecay {
    DecayClass dominant = DecayClass::Unknown;
    std::optional<DecayClass> secondary;
};
inline constexpr double kSecondaryBranch = 5;
// stable: the unit word says so, which wins over any entry.
CellDecay ClassifyDecay(std::string_view list, bool stable);

// The class's name in the usual notation (β⁻, β⁺/EC, α …), and a mode's (β⁺/EC for B+, β⁺ for
// e+, 2β⁻, β⁻n, ¹⁴C …).
std::string DecayClassName(DecayClass decayClass);
std::string ModeNotation(std::string_view mode);

}  // namespace nuklorama
