// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/DecayChain.h"

#include <algorithm>
#include <limits>
#include <map>
#include <tuple>

#include "base/Notation.h"
#include "chart/DecayBranches.h"

namespace nuklorama {
namespace {

struct Node {
    ChainMember member;
    std::string_view decay;
    std::vector<DecayBranch> branches;
    std::vector<int> targets;  // per branch, the daughter's node; -1 where there is none
    std::vector<bool> cut;     // per branch, back to a node on the path
    double probability = 0;
};

std::optional<StateFields> ExcitedState(const ExtraFieldTable& extras, int record, char state) {
    for (const StateFields& s : ExcitedStates(extras.Of(record).isomers))
        if (s.letter.size() == 1 && s.letter[0] == state) return s;
    return std::nullopt;
}

// An excited state's half-life as the evaluation writes it ("6.0066 h", "~1 s", "1# m (>3 us)",
// "stable (>45 Py)"): the number kept and the marks dropped, as the table keeps a ground state's.
void ReadStateLife(std::string_view text, ChainMember& m) {
    text = text.substr(0, text.find(" ("));
    if (text == "stable") {
        m.lifetime = Lifetime::Stable;
        return;
    }
    std::string plain;
    for (const char c : text)
        if (c != '~' && c != '<' && c != '>' && c != '#') plain += c;
    if (const auto seconds = DurationSeconds(plain); seconds && *seconds > 0)
        m.lifetime = Lifetime::Known, m.halfLife = *seconds;
}

void ReadGroundLife(const NuclideTable& table, ChainMember& m) {
    const auto r = std::size_t(m.record);
    if (IsUnitWord(table.HalfLifeUnit[r], "stable")) {
        m.lifetime = Lifetime::Stable;
        return;
    }
    const auto seconds = HalfLifeSeconds(table.HalfLife[r], table.HalfLifeUnit[r]);
    if (seconds && *seconds > 0 && *seconds < std::numeric_limits<double>::infinity())
        m.lifetime = Lifetime::Known, m.halfLife = *seconds;
}

bool InRange(std::int64_t number) {
    return number >= 0 && number <= std::numeric_limits<std::int32_t>::max();
}

class Graph {
public:
    Graph(const NuclideTable& table, const CellIndex& cells, const ExtraFieldTable& extras)
        : table_(table), cells_(cells), extras_(extras) {}

    // The node of a state, made and read on first sight; -1 for an excited state the record
    // does not list.
    int NodeOf(std::int32_t Z, std::int32_t N, char state) {
        const auto key = std::make_tuple(Z, N, state);
        if (const auto found = index_.find(key); found != index_.end()) return found->second;
        Node node;
        ChainMember& m = node.member;
        m.Z = Z, m.N = N, m.state = state, m.record = cells_.At(Z, N);
        if (m.record != 0 && state != 0) {
            const auto s = ExcitedState(extras_, m.record, state);
            if (!s) return -1;
            ReadStateLife(s->halfLife, m);
            node.decay = s->decay;
        } else if (m.record != 0) {
            ReadGroundLife(table_, m);
            node.decay = extras_.Decay(m.record);
        }
        if (m.record != 0 && m.lifetime != Lifetime::Stable) node.branches = BranchesOf(node.decay);
        node.targets.assign(node.branches.size(), -1);
        node.cut.assign(node.branches.size(), false);
        nodes.push_back(std::move(node));
        index_.emplace(key, int(nodes.size()) - 1);
        return int(nodes.size()) - 1;
    }

    // Every state a followed branch reaches from the first node.
    void Discover() {
        for (std::size_t i = 0; i < nodes.size(); ++i)
            for (std::size_t b = 0; b < nodes[i].branches.size(); ++b) {
                const DecayBranch& branch = nodes[i].branches[b];
                if (!(branch.fraction > 0) || !branch.change) continue;
                const std::int64_t Z = std::int64_t(nodes[i].member.Z) + branch.change->protons;
                const std::int64_t N = std::int64_t(nodes[i].member.N) + branch.change->neutrons;
                if (InRange(Z) && InRange(N))
                    nodes[i].targets[b] = NodeOf(std::int32_t(Z), std::int32_t(N), 0);
            }
    }

    // The nodes with parents before daughters, by a search from the first node that cuts every
    // branch back to a node on its path; kept as a stack, since a hostile table's paths may be
    // thousands of states long.
    std::vector<int> OrderCuttingLoops() {
        enum : std::uint8_t { kUnseen, kOnPath, kDone };
        std::vector<std::uint8_t> seen(nodes.size(), kUnseen);
        std::vector<int> finished;
        std::vector<std::pair<int, std::size_t>> path{{0, 0}};
        seen[0] = kOnPath;
        while (!path.empty()) {
            auto& [node, next] = path.back();
            Node& n = nodes[std::size_t(node)];
            if (next == n.branches.size()) {
                seen[std::size_t(node)] = kDone;
                finished.push_back(node);
                path.pop_back();
                continue;
            }
            const std::size_t b = next++;
            const int target = n.targets[b];
            if (target < 0) continue;
            if (seen[std::size_t(target)] == kOnPath) n.cut[b] = true;
            if (seen[std::size_t(target)] != kUnseen) continue;
            seen[std::size_t(target)] = kOnPath;
            path.emplace_back(target, 0);
        }
        std::reverse(finished.begin(), finished.end());
        return finished;
    }

    std::vector<Node> nodes;

private:
    const NuclideTable& table_;
    const CellIndex& cells_;
    const ExtraFieldTable& extras_;
    std::map<std::tuple<std::int32_t, std::int32_t, char>, int> index_;
};

bool DecayOrder(const ChainMember& a, const ChainMember& b) {
    // An excited state decays into its ground state: it comes first.
    return std::make_tuple(-(std::int64_t(a.Z) + a.N), a.Z, a.state == 0) <
           std::make_tuple(-(std::int64_t(b.Z) + b.N), b.Z, b.state == 0);
}

}  // namespace

bool HasExcitedState(const ExtraFieldTable& extras, int record, char state) {
    return ExcitedState(extras, record, state).has_value();
}

DecayChain BuildDecayChain(const ChainStart& start, const NuclideTable& table,
                           const CellIndex& cells, const ExtraFieldTable& extras,
                           double minBranch) {
    DecayChain chain;
    if (cells.At(start.Z, start.N) == 0) return chain;
    Graph graph(table, cells, extras);
    if (graph.NodeOf(start.Z, start.N, start.state) < 0) return chain;
    graph.Discover();
    const std::vector<int> order = graph.OrderCuttingLoops();

    // The probabilities flow from parents to daughters in that order.
    std::vector<Node>& nodes = graph.nodes;
    nodes[0].probability = 1;
    std::vector<ChainBranch> branches;
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        Node& n = nodes[std::size_t(order[rank])];
        n.member.rank = int(rank);
        if (!(n.probability > 0)) continue;
        bool onward = false, dropped = false;
        for (std::size_t b = 0; b < n.branches.size(); ++b) {
            const DecayBranch& d = n.branches[b];
            ChainBranch branch{order[rank],
                               n.targets[b],
                               std::string(d.mode),
                               d.fraction,
                               n.probability * d.fraction,
                               d.estimated};
            if (!(d.fraction > 0) || (d.change && n.targets[b] < 0)) {
                branch.kind = ChainBranch::Possible;
            } else if (!d.change) {
                branch.kind = ChainBranch::Ends;
                chain.fission += branch.flow;
            } else if (n.cut[b] || !(branch.flow > 0 && branch.flow >= minBranch)) {
                branch.kind = n.cut[b] ? ChainBranch::LoopCut : ChainBranch::BelowThreshold;
                (n.cut[b] ? chain.loopsCut : chain.leftOut) += 1;
                chain.leftOutFlow += branch.flow;
                dropped = true;
            } else {
                nodes[std::size_t(branch.to)].probability += branch.flow;
                onward = true;
            }
            onward |= branch.kind == ChainBranch::Ends;
            branches.push_back(std::move(branch));
        }
        ChainMember& m = n.member;
        m.probability = n.probability;
        m.end = m.record == 0                    ? ChainEnd::NotInTable
                : m.lifetime == Lifetime::Stable ? ChainEnd::Stable
                : onward                         ? ChainEnd::None
                : dropped                        ? ChainEnd::LeftOut
                                                 : ChainEnd::NoDecay;
    }

    // The members reached, in order of decay, and the branches renumbered to them.
    std::vector<int> reached;
    for (std::size_t i = 0; i < nodes.size(); ++i)
        if (nodes[i].probability > 0) reached.push_back(int(i));
    std::sort(reached.begin(), reached.end(), [&nodes](int a, int b) {
        return DecayOrder(nodes[std::size_t(a)].member, nodes[std::size_t(b)].member);
    });
    std::vector<int> memberOf(nodes.size(), -1);
    for (std::size_t i = 0; i < reached.size(); ++i) {
        memberOf[std::size_t(reached[i])] = int(i);
        chain.members.push_back(nodes[std::size_t(reached[i])].member);
    }
    chain.start = memberOf[0];
    for (ChainBranch& b : branches) {
        b.from = memberOf[std::size_t(b.from)];
        b.to = b.kind == ChainBranch::Followed ? memberOf[std::size_t(b.to)] : -1;
    }
    std::stable_sort(branches.begin(), branches.end(),
                     [](const ChainBranch& a, const ChainBranch& b) { return a.from < b.from; });
    chain.branches = std::move(branches);
    return chain;
}

}  // namespace nuklorama
