// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/DecayModes.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "table/Characters.h"

namespace nuklorama {
namespace {

struct ModeClass {
    std::string_view mode;
    DecayClass decayClass;
};
constexpr std::array<ModeClass, 32> kModes{{
    {"B-", DecayClass::BetaMinus},   {"2B-", DecayClass::BetaMinus},
    {"B-n", DecayClass::BetaMinus},  {"B-2n", DecayClass::BetaMinus},
    {"B-3n", DecayClass::BetaMinus}, {"B-4n", DecayClass::BetaMinus},
    {"B-p", DecayClass::BetaMinus},  {"B-d", DecayClass::BetaMinus},
    {"B-t", DecayClass::BetaMinus},  {"B-A", DecayClass::BetaMinus},
    {"B-SF", DecayClass::BetaMinus}, {"B+", DecayClass::BetaPlus},
    {"EC", DecayClass::BetaPlus},    {"e+", DecayClass::BetaPlus},
    {"2B+", DecayClass::BetaPlus},   {"2EC", DecayClass::BetaPlus},
    {"B+p", DecayClass::BetaPlus},   {"B+2p", DecayClass::BetaPlus},
    {"B+3p", DecayClass::BetaPlus},  {"B+A", DecayClass::BetaPlus},
    {"B+pA", DecayClass::BetaPlus},  {"B+SF", DecayClass::BetaPlus},
    {"EC+B+", DecayClass::BetaPlus}, {"A", DecayClass::Alpha},
    {"SF", DecayClass::Fission},     {"p", DecayClass::Proton},
    {"2p", DecayClass::Proton},      {"3p", DecayClass::Proton},
    {"n", DecayClass::Neutron},      {"2n", DecayClass::Neutron},
    {"3n", DecayClass::Neutron},     {"IT", DecayClass::IsomericTransition},
}};

// A nucleus heavier than an alpha particle, written mass number then symbol: 14C, 24Ne+26Ne.
bool IsCluster(std::string_view mode) {
    const auto symbol = std::find_if_not(mode.begin(), mode.end(), IsDigit);
    if (symbol == mode.begin() || symbol == mode.end() || *symbol < 'A' || *symbol > 'Z')
        return false;
    int mass = 0;
    std::from_chars(mode.data(), &*symbol, mass);
    return mass > 4;
}

DecayEntry ReadEntry(std::string_view text) {
    DecayEntry entry;
    const std::size_t mark = text.find_first_of("=~<>?");
    entry.mode = text.substr(0, mark);
    if (mark == std::string_view::npos || text[mark] == '?') return entry;
    std::string_view number = text.substr(mark + 1);
    entry.estimated = !number.empty() && number.back() == '#';
    if (entry.estimated) number.remove_suffix(1);
    if (number == "?") return entry;
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    // A number that does not read is no entry at all.
    if (number.empty() || error != std::errc() || end != number.data() + number.size()) return {};
    entry.relation = text[mark];
    entry.number = number;
    entry.value = value;
    return entry;
}

}  // namespace

std::vector<DecayEntry> ReadDecayEntries(std::string_view list) {
    std::vector<DecayEntry> entries;
    while (!list.empty()) {
        const std::size_t end = list.find(';');
        const DecayEntry entry = ReadEntry(list.substr(0, end));
        if (!entry.mode.empty()) entries.push_back(entry);
        list = end == std::string_view::npos ? std::string_view() : list.substr(end + 1);
    }
    return entries;
}

const DecayEntry* DominantEntry(const std::vector<DecayEntry>& entries) {
    const DecayEntry* dominant = nullptr;
    for (const DecayEntry& e : entries)
        if (e.mode != "IS" &&
            (!dominant || (e.Weighed() && (!dominant->Weighed() || e.value > dominant->value))))
            dominant = &e;
    return dominant;
}

std::optional<DecayClass> ClassOfMode(std::string_view mode) {
    for (const ModeClass& m : kModes)
        if (m.mode == mode) return m.decayClass;
    if (IsCluster(mode)) return DecayClass::Cluster;
    return std::nullopt;
}

CellDecay ClassifyDecay(std::string_view list, bool stable) {
    if (stable) return {DecayClass::Stable, std::nullopt};
    const std::vector<DecayEntry> entries = ReadDecayEntries(list);
    // The largest weighed branch of each class, -1 where it has none.
    std::array<double, kDecayClassCount> branch;
    branch.fill(-1);
    for (const DecayEntry& e : entries)
        if (const auto c = ClassOfMode(e.mode); c && e.Weighed())
            branch[std::size_t(*c)] = std::max(branch[std::size_t(*c)], e.value);
    const DecayEntry* dominant = DominantEntry(entries);
    if (!dominant) return {};
    CellDecay cell{ClassOfMode(dominant->mode).value_or(DecayClass::Unknown), std::nullopt};
    double largest = 0;
    for (int c = 0; c < kDecayClassCount; ++c) {
        const double b = branch[std::size_t(c)];
        if (DecayClass(c) == cell.dominant || b < kSecondaryBranch || b <= largest) continue;
        largest = b;
        cell.secondary = DecayClass(c);
    }
    return cell;
}

std::string DecayClassName(DecayClass decayClass) {
    static constexpr std::array<const char*, kDecayClassCount> kNames{
        "β⁻", "β⁺/EC", "α", "SF", "p", "n", "IT", "cluster", "stable", "unknown"};
    return kNames[std::size_t(decayClass)];
}

std::string ModeNotation(std::string_view mode) {
    static constexpr const char* kDigits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text;
    // Mass numbers stand as superscripts before a symbol: 24Ne+26Ne is ²⁴Ne+²⁶Ne.
    const bool known = std::any_of(kModes.begin(), kModes.end(),
                                   [mode](const ModeClass& m) { return m.mode == mode; });
    const auto letter = std::find_if_not(mode.begin(), mode.end(), IsDigit);
    const bool nuclei = !known && letter != mode.begin() && letter != mode.end() &&
                        *letter >= 'A' && *letter <= 'Z';
    for (std::size_t i = 0; i < mode.size(); ++i) {
        const char c = mode[i];
        const char next = i + 1 < mode.size() ? mode[i + 1] : 0;
        if (nuclei && IsDigit(c)) {
            text += kDigits[c - '0'];
        } else if (!nuclei && c == 'B' && (next == '-' || next == '+')) {
            text += next == '-' ? "β⁻" : "β⁺";
            ++i;
        } else if (!nuclei && c == 'e' && next == '+') {
            text += "e⁺";
            ++i;
        } else if (!nuclei && c == 'A') {
            text += "α";
        } else {
            text += c;
        }
    }
    return text;
}

}  // namespace nuklorama
