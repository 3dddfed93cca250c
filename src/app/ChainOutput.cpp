// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ChainOutput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "base/Notation.h"
#include "chart/DecayModes.h"
#include "chart/Elements.h"
#include "chart/FindNuclide.h"

namespace nuklorama::cli {
namespace {

// Fractions in twelve significant digits: more than any branch of the evaluation has, and no
// digits of rounding noise.
std::string Number(double value, int digits = 12) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    return text;
}

std::string Percent(double fraction) {
    return Number(100 * fraction, 10) + " %";
}

std::string Symbol(std::int32_t Z) {
    const auto element = ElementOf(Z);
    return element ? std::string(element->symbol) : std::to_string(Z);
}

std::string Name(const ChainMember& m) {
    return StateName(m.Z, m.N, m.state);
}

std::string State(const ChainMember& m) {
    return m.state == 0 ? std::string() : std::string(1, m.state);
}

std::string HalfLife(const ChainMember& m) {
    if (m.record == 0) return "not in the table";
    if (m.lifetime == Lifetime::Stable) return "stable";
    if (m.lifetime == Lifetime::Unknown) return "unknown";
    return Duration(m.halfLife, 4);
}

const char* EndWord(ChainEnd end) {
    switch (end) {
        case ChainEnd::Stable:
            return "stable";
        case ChainEnd::NoDecay:
            return "no decay entry leads on";
        case ChainEnd::NotInTable:
            return "not in the table";
        case ChainEnd::LeftOut:
            return "every branch on left out";
        case ChainEnd::None:
            break;
    }
    return "";
}

const char* KindWord(ChainBranch::Kind kind) {
    static constexpr const char* kWords[] = {"followed", "possible", "ends", "below threshold",
                                             "loop cut"};
    return kWords[kind];
}

// What a member shows of its activity: the ratio, or why there is none.
std::string Activity(const ChainReport& r, std::size_t i) {
    const MemberActivity& a = r.activities[i];
    if (a.known) return Number(a.activity, 10);
    if (a.after < 0)
        return "none: more than " + std::to_string(kMostActiveMembers) + " members in the chain";
    const ChainMember& first = r.chain.members[std::size_t(a.after)];
    const std::string why = first.record == 0 ? " is not in the table" : "'s half-life is unknown";
    return "none: " + Name(first) + why;
}

// Characters, every raised digit or letter taking one.
std::size_t Width(const std::string& text) {
    std::size_t characters = 0;
    for (const char c : text)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return characters;
}

// Rows of cells in columns as wide as their widest cell, two blanks apart.
std::string Columns(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths.resize(std::max(widths.size(), row.size()));
            widths[i] = std::max(widths[i], Width(row[i]));
        }
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            text += row[i] +
                    (i + 1 < row.size() ? std::string(widths[i] - Width(row[i]) + 2, ' ') : "\n");
    }
    return text;
}

}  // namespace

std::string LeftOut(const ChainReport& r) {
    const DecayChain& c = r.chain;
    std::string text;
    if (c.leftOut > 0)
        text += std::to_string(c.leftOut) + (c.leftOut == 1 ? " path" : " paths") + " below " +
                Number(r.minBranch) + " left out\n";
    if (c.loopsCut > 0)
        text += std::to_string(c.loopsCut) + (c.loopsCut == 1 ? " branch" : " branches") +
                " back to a member already on the path cut: the table loops\n";
    return text;
}

QByteArray ChainText(const ChainReport& r) {
    const DecayChain& c = r.chain;
    const std::string start = Name(c.members[std::size_t(c.start)]);
    std::string text = start + ": " + std::to_string(c.members.size()) +
                       " members in order of decay; every path goes to the daughter's ground "
                       "state.\n";
    if (r.seconds)
        text +=
            "Activities at " + r.timeText.toStdString() + " as ratios to " + start + "'s at 0.\n";
    std::vector<std::vector<std::string>> rows{{"member", "half-life", "probability"}};
    if (r.seconds) rows[0].push_back("activity");
    rows[0].push_back("from");
    for (std::size_t i = 0; i < c.members.size(); ++i) {
        std::string from;
        for (const ChainBranch& b : c.branches)
            if (b.to == int(i))
                from += (from.empty() ? "" : ", ") + ModeNotation(b.mode) + " " +
                        Name(c.members[std::size_t(b.from)]) + (b.estimated ? " (estimated)" : "");
        rows.push_back(
            {Name(c.members[i]), HalfLife(c.members[i]), Percent(c.members[i].probability)});
        if (r.seconds) rows.back().push_back(Activity(r, i));
        rows.back().push_back(from.empty() ? "start" : from);
    }
    text += Columns(rows) + "Ends:";
    for (const ChainMember& m : c.members)
        if (m.end != ChainEnd::None)
            text += " " + Name(m) + " " + Percent(m.probability) + " (" + EndWord(m.end) + ");";
    if (c.fission > 0) text += " fission " + Percent(c.fission) + ";";
    if (text.back() == ';')
        text.back() = '\n';
    else
        text += " none reached\n";
    for (const ChainBranch& b : c.branches)
        if (b.kind == ChainBranch::Possible)
            text += "Possible, not followed: " + ModeNotation(b.mode) + " of " +
                    Name(c.members[std::size_t(b.from)]) + "\n";
    text += LeftOut(r);
    return QByteArray::fromStdString(text);
}

QByteArray ChainCsv(const ChainReport& r) {
    const DecayChain& c = r.chain;
    std::string text = "z,n,a,symbol,state,half_life_s,probability,parents,activity_ratio\n";
    for (std::size_t i = 0; i < c.members.size(); ++i) {
        const ChainMember& m = c.members[i];
        std::string parents;
        for (const ChainBranch& b : c.branches)
            if (b.to == int(i)) {
                const ChainMember& p = c.members[std::size_t(b.from)];
                parents += (parents.empty() ? "" : ";") + std::to_string(p.Z) + "-" +
                           std::to_string(p.N) + State(p) + ":" + Number(b.flow);
            }
        const bool active = r.seconds && r.activities[i].known;
        text += std::to_string(m.Z) + "," + std::to_string(m.N) + "," +
                std::to_string(std::int64_t(m.Z) + m.N) + "," + Symbol(m.Z) + "," + State(m) + "," +
                (m.lifetime == Lifetime::Known ? Number(m.halfLife) : "") + "," +
                Number(m.probability) + "," + parents + "," +
                (active ? Number(r.activities[i].activity, 10) : "") + "\n";
    }
    return QByteArray::fromStdString(text);
}

QByteArray ChainJson(const ChainReport& r) {
    const DecayChain& c = r.chain;
    const auto str = [](const std::string& s) { return QString::fromStdString(s); };
    QJsonArray members, branches;
    for (std::size_t i = 0; i < c.members.size(); ++i) {
        const ChainMember& m = c.members[i];
        QJsonArray parents;
        for (const ChainBranch& b : c.branches)
            if (b.to == int(i)) {
                const ChainMember& p = c.members[std::size_t(b.from)];
                parents.append(QJsonObject{{"z", p.Z},
                                           {"n", p.N},
                                           {"state", str(State(p))},
                                           {"mode", str(b.mode)},
                                           {"flow", b.flow}});
            }
        QJsonObject member{
            {"z", m.Z},
            {"n", m.N},
            {"a", double(std::int64_t(m.Z) + m.N)},
            {"symbol", str(Symbol(m.Z))},
            {"state", str(State(m))},
            {"half_life_s", m.lifetime == Lifetime::Known ? m.halfLife : QJsonValue()},
            {"probability", m.probability},
            {"parents", parents},
            {"end", m.end == ChainEnd::None ? QJsonValue() : EndWord(m.end)}};
        const bool active = r.seconds && r.activities[i].known;
        member["activity_ratio"] = active ? r.activities[i].activity : QJsonValue();
        member["atoms_ratio"] = active ? r.activities[i].atoms : QJsonValue();
        members.append(member);
    }
    for (const ChainBranch& b : c.branches)
        branches.append(QJsonObject{{"from", b.from},
                                    {"to", b.to < 0 ? QJsonValue() : b.to},
                                    {"mode", str(b.mode)},
                                    {"fraction", b.fraction},
                                    {"flow", b.flow},
                                    {"estimated", b.estimated},
                                    {"kind", KindWord(b.kind)}});
    const QJsonObject chain{{"start", c.start},
                            {"members", members},
                            {"branches", branches},
                            {"fission", c.fission},
                            {"min_branch", r.minBranch},
                            {"left_out", c.leftOut},
                            {"left_out_probability", c.leftOutFlow},
                            {"loops_cut", c.loopsCut},
                            {"time_s", r.seconds ? *r.seconds : QJsonValue()}};
    return QJsonDocument(chain).toJson(QJsonDocument::Indented);
}

}  // namespace nuklorama::cli
