// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

// The entry that decides a cell's class: the largest weighed branch (IS aside; the earlier on a
// tie), or the first entry when none is weighed; nothing without entries.
const DecayEntry* DominantEntry(const std::vector<DecayEntry>& entries);

// The class of a decay mode; nothing for the natural abundance (IS) and for modes of no class.
std::optional<DecayClass> ClassOfMode(std::string_view mode);

// What a cell of the decay-mode view shows: its dominant class and, when another class has a
// branch of at least kSecondaryBranch per cent, that class.
struct CellDecay {
    DecayClass dominant = DecayClass::Unknown;
    std::optional<DecayClass> secondary;
};
inline constexpr double kSecondaryBranch = 5;
// stable: the unit word says so, which wins over any entry.
CellDecay ClassifyDecay(std::string_view list, bool stable);

// The class's name in the usual notation (β⁻, β⁺/EC, α …), and a mode's (2β⁻, β⁻n, ¹⁴C …).
std::string DecayClassName(DecayClass decayClass);
std::string ModeNotation(std::string_view mode);

}  // namespace nuklorama
