// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace nuklorama {

// How a decay changes the nucleus: the daughter is at Z + protons, N + neutrons.
struct NucleusChange {
    std::int32_t protons = 0, neutrons = 0;
    bool operator==(const NucleusChange&) const = default;
};

// One way a state decays, with its share of the decays.
struct DecayBranch {
    std::string_view mode;
    // Where the branch goes, always to the daughter's ground state; nothing for fission and for
    // two nuclei emitted at once (24Ne+26Ne), which end a path.
    std::optional<NucleusChange> change;
    double fraction = 0;     // of all decays; 0 for a mode listed as possible
    bool estimated = false;  // it rests on a credit or on systematics
};

// The branches of a decay list by the shares ShareOut gives each class, credits included, as
// fractions of 1: a sub-branch (B-n, B-A …) is taken out of its β parent and the rest of a class
// goes to its modes. The fractions always add to 1: what credits capped by an upper limit leave
// of 100 % (EC=?;A<20) goes to the credited branches without one, and shares that add past 100 %,
// or short of it with nothing credited, are scaled to it. Modes of no class (IS, d, 3H …) are
// left out.
std::vector<DecayBranch> BranchesOf(std::string_view list);

// Where a mode takes the nucleus: B- (+1, −1), A (−2, −2), 14C (−6, −8), IT (0, 0) …; nothing
// for fission, for two nuclei at once and for modes of no class.
std::optional<NucleusChange> ChangeOf(std::string_view mode);

}  // namespace nuklorama
