// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chart/CellIndex.h"
#include "table/ExtraFields.h"
#include "table/NuclideTable.h"

namespace nuklorama {

// Where a chain starts: a ground state, or an excited state by the evaluation's letter.
struct ChainStart {
    std::int32_t Z = 0, N = 0;
    char state = 0;  // 'm', 'n' …; 0 for the ground state
};

// What a member's half-life is.
enum class Lifetime : std::uint8_t { Known, Stable, Unknown };

// Why a path stops at a member.
enum class ChainEnd : std::uint8_t {
    None,        // it decays on
    Stable,      // a stable nuclide
    NoDecay,     // no decay entry leads on
    NotInTable,  // a daughter the table does not have
    LeftOut,     // every branch on fell below the threshold or was cut
};

struct ChainMember {
    std::int32_t Z = 0, N = 0;
    char state = 0;
    int record = 0;  // 0 for a daughter the table does not have
    Lifetime lifetime = Lifetime::Unknown;
    double halfLife = 0;     // seconds, when known
    double probability = 0;  // of reaching it, summed over every path
    ChainEnd end = ChainEnd::None;
    int rank = 0;  // parents come before their daughters in this order
};

// One branch of a member's decay. A followed branch carries the probability that arrives
// through it to a member; a possible one (credited nothing) is listed only.
struct ChainBranch {
    int from = 0;
    int to = -1;  // the daughter's member; -1 where the branch is not followed
    std::string mode;
    double fraction = 0;  // of the parent's decays
    double flow = 0;      // of the start's: the parent's probability times the fraction
    bool estimated = false;
    enum Kind : std::uint8_t { Followed, Possible, Ends, BelowThreshold, LoopCut } kind = Followed;
};

struct DecayChain {
    // In order of decay: mass number falling, then Z, an excited state before the ground state.
    std::vector<ChainMember> members;
    std::vector<ChainBranch> branches;  // by parent in the members' order
    double fission = 0;                 // what ends by fission or by two nuclei emitted at once
    int leftOut = 0;                    // branches whose flow fell below the threshold
    double leftOutFlow = 0;             // what they carried, with what loops cut
    int loopsCut = 0;
    int start = 0;  // the start's member
};

inline constexpr double kDefaultMinBranch = 1e-12;

// Every path from the start to its ends, through the records on top of each cell. A branch
// whose flow falls below minBranch is left out; one back to a member already on the path is
// cut. An unknown start, or one not in the table, gives a chain without members.
DecayChain BuildDecayChain(const ChainStart& start, const NuclideTable& table,
                           const CellIndex& cells, const ExtraFieldTable& extras,
                           double minBranch = kDefaultMinBranch);

// Whether the record lists an excited state with the evaluation's letter ('m', 'n' …).
bool HasExcitedState(const ExtraFieldTable& extras, int record, char state);

}  // namespace nuklorama
