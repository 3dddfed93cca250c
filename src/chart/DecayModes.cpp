// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/DecayModes.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "base/Characters.h"
#include "base/Notation.h"

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

// A mode of up to eight characters as one number, 0 for a longer one: the view looks up every
// record's modes at each press, and integers compare fast.
constexpr std::uint64_t Key(std::string_view mode) {
    std::uint64_t key = 0;
    for (const char c : mode)
        key = key << 8 | std::uint8_t(c);
    return mode.size() <= 8 ? key : 0;
}
constexpr auto kModeKeys = [] {
    std::array<std::uint64_t, kModes.size()> keys{};
    for (std::size_t i = 0; i < kModes.size(); ++i)
        keys[i] = Key(kModes[i].mode);
    return keys;
}();

// A nucleus heavier than an alpha particle, written mass number then symbol: 14C, 24Ne+26Ne.
bool IsCluster(std::string_view mode) {
    const auto symbol = std::find_if_not(mode.begin(), mode.end(), IsDigit);
    if (symbol == mode.begin() || symbol == mode.end() || *symbol < 'A' || *symbol > 'Z')
        return false;
    int mass = 0;
    std::from_chars(mode.data(), &*symbol, mass);
    return mass > 4;
}

// Plain decimals such as 100 or 35.94, most of the table's, are read by hand, exactly as
// from_chars reads them; the rest by from_chars.
bool ReadNumber(std::string_view text, double& value) {
    static constexpr double kPowers[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10};
    std::uint64_t digits = 0;
    int count = 0, decimals = -1;
    for (const char c : text) {
        if (c == '.' && decimals < 0) {
            decimals = 0;
        } else if (IsDigit(c) && count < 15) {
            digits = digits * 10 + std::uint64_t(c - '0');
            ++count;
            decimals += decimals >= 0;
        } else {
            count = 0;
            break;
        }
    }
    if (count > 0 && decimals <= 10) {
        // Both are exact, so the quotient is rounded once, as from_chars rounds.
        value = decimals > 0 ? double(digits) / kPowers[decimals] : double(digits);
        return true;
    }
    // A branch or an abundance is a finite share: nan, inf and signs are not numbers here.
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size() &&
           std::isfinite(value) && !std::signbit(value);
}

DecayEntry ReadEntry(std::string_view text) {
    DecayEntry entry;
    // Scanned by hand: lists are short, and every record's is read at each press.
    static constexpr auto kMarks = [] {
        std::array<bool, 256> marks{};
        for (const unsigned char c : std::string_view("=~<>?"))
            marks[c] = true;
        return marks;
    }();
    std::size_t mark = 0;
    while (mark < text.size() && !kMarks[static_cast<unsigned char>(text[mark])])
        ++mark;
    entry.mode = text.substr(0, mark);
    if (mark == text.size() || text[mark] == '?') return entry;
    std::string_view number = text.substr(mark + 1);
    entry.estimated = !number.empty() && number.back() == '#';
    if (entry.estimated) number.remove_suffix(1);
    if (number == "?") return entry;
    double value = 0;
    // A number that does not read is no entry at all.
    if (!ReadNumber(number, value)) return {};
    entry.relation = text[mark];
    entry.number = number;
    entry.value = value;
    return entry;
}

// Calls f with each entry of a list, in order, without keeping them: the view reads every
// record's list at each press.
template <typename F>
void ForEachEntry(std::string_view list, F f) {
    std::size_t start = 0;
    for (std::size_t i = 0; i <= list.size(); ++i) {
        if (i < list.size() && list[i] != ';') continue;
        const DecayEntry entry = ReadEntry(list.substr(start, i - start));
        if (!entry.mode.empty()) f(entry);
        start = i + 1;
    }
}

// Whether e decides a cell's class rather than the dominant entry so far.
bool Outweighs(const DecayEntry& e, const DecayEntry* dominant) {
    return e.mode != "IS" &&
           (!dominant || (e.Weighed() && (!dominant->Weighed() || e.value > dominant->value)));
}

}  // namespace

std::vector<DecayEntry> ReadDecayEntries(std::string_view list) {
    std::vector<DecayEntry> entries;
    ForEachEntry(list, [&entries](const DecayEntry& e) { entries.push_back(e); });
    return entries;
}

double NaturalAbundance(std::string_view list) {
    for (const DecayEntry& entry : ReadDecayEntries(list))
        if (entry.mode == "IS" && entry.relation != 0) return entry.value;
    return 0;
}

const DecayEntry* DominantEntry(const std::vector<DecayEntry>& entries) {
    const DecayEntry* dominant = nullptr;
    for (const DecayEntry& e : entries)
        if (Outweighs(e, dominant)) dominant = &e;
    return dominant;
}

std::optional<DecayClass> ClassOfMode(std::string_view mode) {
    const std::uint64_t key = Key(mode);
    // Every key is compared, without an early way out, which the compiler can do side by side.
    std::size_t found = kModes.size();
    for (std::size_t i = 0; i < kModes.size(); ++i)
        found = kModeKeys[i] == key ? i : found;
    if (key != 0 && found < kModes.size()) return kModes[found].decayClass;
    if (IsCluster(mode)) return DecayClass::Cluster;
    return std::nullopt;
}

CellDecay ClassifyDecay(std::string_view list, bool stable) {
    if (stable) return {DecayClass::Stable, std::nullopt};
    // The largest weighed branch of each class, -1 where it has none.
    std::array<double, kDecayClassCount> branch;
    branch.fill(-1);
    DecayEntry dominant;
    CellDecay cell;
    bool any = false;
    ForEachEntry(list, [&](const DecayEntry& e) {
        const auto c = ClassOfMode(e.mode);
        if (Outweighs(e, any ? &dominant : nullptr)) {
            dominant = e;
            cell.dominant = c.value_or(DecayClass::Unknown);
            any = true;
        }
        if (c && e.Weighed()) branch[std::size_t(*c)] = std::max(branch[std::size_t(*c)], e.value);
    });
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
            text += Superscript(std::string_view(&c, 1));
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
