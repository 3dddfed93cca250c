// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

#include "chart/DecayChain.h"

namespace nuklorama {

// What a pure sample of the start holds of a member after a time: its atoms and its activity as
// ratios to the start's at 0. Unknown for a member of unknown half-life, one the table does not
// have, and every member after one of those: `after` names the first such member on its way.
// A chain of more than kMostActiveMembers has no activities (`after` stays -1): no table of the
// evaluation comes near, and the work grows with the cube of the count.
struct MemberActivity {
    bool known = false;
    double atoms = 0, activity = 0;
    int after = -1;
};

// Bateman's equations with branching, solved as the exponential of the chain's triangular decay
// matrix: a Taylor series over a time short enough for every member, then squared up to the
// time asked for. No step divides by a difference of decay constants, and every sum in the
// squaring adds positive terms, so equal, nearly equal and wildly different half-lives are all
// exact to a few rounding errors.
inline constexpr std::size_t kMostActiveMembers = 250;
std::vector<MemberActivity> ChainActivities(const DecayChain& chain, double seconds);

}  // namespace nuklorama
