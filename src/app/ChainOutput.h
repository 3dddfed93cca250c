// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <optional>
#include <string>
#include <vector>

#include "chart/ChainActivity.h"
#include "chart/DecayChain.h"

namespace nuklorama::cli {

// A chain as the chain command writes it, with the activities at a time when one is given.
struct ChainReport {
    const DecayChain& chain;
    double minBranch;
    std::optional<double> seconds;
    QByteArray timeText;                     // the time as it was typed
    std::vector<MemberActivity> activities;  // one per member, with a time
};

QByteArray ChainText(const ChainReport& report);
// The paths left out below the threshold and the loops cut, a line each; empty for neither.
std::string LeftOut(const ChainReport& report);
// The header z,n,a,symbol,state,half_life_s,probability,parents,activity_ratio, then one row per
// member in the chain's order.
QByteArray ChainCsv(const ChainReport& report);
// The same fields, the branches, the ends and what was left out.
QByteArray ChainJson(const ChainReport& report);

}  // namespace nuklorama::cli
