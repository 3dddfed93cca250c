// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/DecayModes.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "base/Characters.h"
#include "base/Notation.h"

namespace nuklorama {
namespace {

struct ModeClass {
    std::string_view mode;
    DecayClass decayClass;
    bool followsBeta = false;  // a sub-branch of a β decay: B-n, B+p, ECA …
};
constexpr bool kSub = true;
constexpr std::array<ModeClass, 35> kModes{{
    {"B-", DecayClass::BetaMinus},
    {"2B-", DecayClass::BetaMinus},
    {"B-n", DecayClass::BetaMinus, kSub},
    {"B-2n", DecayClass::BetaMinus, kSub},
    {"B-3n", DecayClass::BetaMinus, kSub},
    {"B-4n", DecayClass::BetaMinus, kSub},
    {"B-p", DecayClass::BetaMinus, kSub},
    {"B-d", DecayClass::BetaMinus, kSub},
    {"B-t", DecayClass::BetaMinus, kSub},
    {"B-A", DecayClass::BetaMinus, kSub},
    {"B-SF", DecayClass::BetaMinus, kSub},
    {"B+", DecayClass::BetaPlus},
    {"EC", DecayClass::BetaPlus},
    {"e+", DecayClass::BetaPlus},
    {"2B+", DecayClass::BetaPlus},
    {"2EC", DecayClass::BetaPlus},
    {"B+p", DecayClass::BetaPlus, kSub},
    {"B+2p", DecayClass::BetaPlus, kSub},
    {"B+3p", DecayClass::BetaPlus, kSub},
    {"B+A", DecayClass::BetaPlus, kSub},
    {"B+pA", DecayClass::BetaPlus, kSub},
    {"B+SF", DecayClass::BetaPlus, kSub},
    {"ECp", DecayClass::BetaPlus, kSub},
    {"ECA", DecayClass::BetaPlus, kSub},
    {"ECSF", DecayClass::BetaPlus, kSub},
    {"EC+B+", DecayClass::BetaPlus},
    {"A", DecayClass::Alpha},
    {"SF", DecayClass::Fission},
    {"p", DecayClass::Proton},
    {"2p", DecayClass::Proton},
    {"3p", DecayClass::Proton},
    {"n", DecayClass::Neutron},
    {"2n", DecayClass::Neutron},
    {"3n", DecayClass::Neutron},
    {"IT", DecayClass::IsomericTransition},
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

// Where the mode stands in kModes, kModes.size() for none.
std::size_t ModeIndex(std::string_view mode) {
    const std::uint64_t key = Key(mode);
    // Every key is compared, without an early way out, which the compiler can do side by side.
    std::size_t found = kModes.size();
    for (std::size_t i = 0; i < kModes.size(); ++i)
        found = kModeKeys[i] == key ? i : found;
    return key != 0 ? found : kModes.size();
}

// What one class's entries give, gathered in one pass over the list.
struct Tally {
    int order = -1;      // where the list first names the class, -1 where it does not
    bool given = false;  // a main entry with = or ~
    double sum = 0;      // those entries, B+, EC and e+ aside
    double betaPlus = -1, ecAndPositron = 0;
    double lower = 0, subBranches = 0;  // > on a main entry; what its sub-branches give
    double upper = std::numeric_limits<double>::infinity();  // < on a main entry
};

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

std::optional<DecayClass> ClassOfMode(std::string_view mode) {
    if (const std::size_t i = ModeIndex(mode); i < kModes.size()) return kModes[i].decayClass;
    if (IsCluster(mode)) return DecayClass::Cluster;
    return std::nullopt;
}

bool FollowsBetaDecay(std::string_view mode) {
    const std::size_t i = ModeIndex(mode);
    return i < kModes.size() && kModes[i].followsBeta;
}

DecayShares ShareOut(std::string_view list) {
    std::array<Tally, kDecayClassCount> tally{};
    int named = 0;
    ForEachEntry(list, [&](const DecayEntry& e) {
        const auto c = ClassOfMode(e.mode);
        if (!c) return;
        Tally& t = tally[std::size_t(*c)];
        if (t.order < 0) t.order = named++;
        if (FollowsBetaDecay(e.mode)) {
            // Part of the β share: never added to it, only a lower bound where it has no number.
            if (e.Weighed() || e.relation == '>') t.subBranches += e.value;
        } else if (e.Weighed()) {
            t.given = true;
            if (e.mode == "B+")
                t.betaPlus = std::max(t.betaPlus, 0.0) + e.value;
            else if (e.mode == "EC" || e.mode == "e+")
                t.ecAndPositron += e.value;
            else
                t.sum += e.value;
        } else if (e.relation == '>') {
            t.lower = std::max(t.lower, e.value);
        } else if (e.relation == '<') {
            t.upper = std::min(t.upper, e.value);
        }
    });
    // EC and e+ within a measured B+ are its parts; otherwise they add to it.
    double given = 0;
    int credited = 0;
    for (Tally& t : tally) {
        if (t.betaPlus >= 0 && t.ecAndPositron <= t.betaPlus) t.ecAndPositron = 0;
        t.sum += std::max(t.betaPlus, 0.0) + t.ecAndPositron;
        given += t.given ? t.sum : 0;
        credited += t.order >= 0 && !t.given;
    }
    const double credit = credited > 0 ? std::max(0.0, 100 - given) / credited : 0;
    DecayShares shares;
    for (std::size_t c = 0; c < tally.size(); ++c) {
        const Tally& t = tally[c];
        const double lower = std::max(t.lower, t.subBranches);
        shares.share[c] = t.order < 0 ? -1
                          : t.given   ? t.sum
                                      : std::min(std::max(credit, lower), t.upper);
        shares.measured[c] = t.order < 0 ? -1 : t.given ? t.sum : lower;
        shares.credited[c] = t.order >= 0 && !t.given;
        shares.order[c] = t.order;
    }
    return shares;
}

CellDecay ClassifyDecay(std::string_view list, bool stable) {
    if (stable) return {DecayClass::Stable, std::nullopt};
    const DecayShares s = ShareOut(list);
    // The larger wins, the class named first on a tie.
    const auto before = [&s](const std::array<double, kDecayClassCount>& of, std::size_t c,
                             int best) {
        return best < 0 || of[c] > of[std::size_t(best)] ||
               (of[c] == of[std::size_t(best)] && s.order[c] < s.order[std::size_t(best)]);
    };
    int dominant = -1, next = -1;
    for (std::size_t c = 0; c < s.share.size(); ++c)
        if (s.share[c] > 0 && before(s.share, c, dominant)) dominant = int(c);
    if (dominant < 0) return {};
    for (std::size_t c = 0; c < s.measured.size(); ++c)
        if (int(c) != dominant && s.measured[c] >= kSecondaryBranch && before(s.measured, c, next))
            next = int(c);
    CellDecay cell{DecayClass(dominant), std::nullopt};
    if (next >= 0) cell.secondary = DecayClass(next);
    return cell;
}

std::string DecayClassName(DecayClass decayClass) {
    static constexpr std::array<const char*, kDecayClassCount - 3> kSymbols{
        "β⁻", "β⁺/EC", "α", "SF", "p", "n", "IT"};
    switch (decayClass) {
        case DecayClass::Cluster:
            return Say(Word::Cluster);
        case DecayClass::Stable:
            return Say(Word::Stable);
        case DecayClass::Unknown:
            return Say(Word::Unknown);
        default:
            return kSymbols[std::size_t(decayClass)];
    }
}

std::string ModeNotation(std::string_view mode) {
    // The evaluation's B+ is β⁺ and electron capture together, its e+ β⁺ alone.
    if (mode == "B+") return "β⁺/EC";
    if (mode == "e+") return "β⁺";
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
        } else if (!nuclei && c == 'A') {
            text += "α";
        } else {
            text += c;
        }
    }
    return text;
}

}  // namespace nuklorama
