// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/FindNuclide.h"

#include <limits>
#include <regex>

#include "base/Notation.h"
#include "chart/CellLabel.h"
#include "chart/DecayChain.h"
#include "chart/DecayModes.h"
#include "chart/Elements.h"

namespace nuklorama {
namespace {

// Lower-case ASCII, without blanks (the ideographic space included), with the dashes people
// type for a hyphen read as one.
std::string Normalised(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || c == '\t') continue;
        const std::string_view wide = text.substr(i, 3);
        if (wide == "\u3000" || wide == "\u2010" || wide == "\u2013" || wide == "\u2212" ||
            wide == "\uFF0D") {
            if (wide != "\u3000") out += '-';
            i += 2;
            continue;
        }
        out += c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    }
    return out;
}

std::optional<std::int32_t> ElementNamed(const std::string& name) {
    for (std::int32_t Z = 0; Z <= kLastElement; ++Z) {
        const Element e = *ElementOf(Z);
        if (name == Normalised(e.symbol) || name == e.english || name == e.chinese) return Z;
    }
    return std::nullopt;
}

// Stable outlives everything; unknown and unreadable half-lives come last.
double Lifetime(const NuclideTable& table, int record) {
    const auto r = static_cast<std::size_t>(record);
    if (IsUnitWord(table.HalfLifeUnit[r], "stable")) return std::numeric_limits<double>::infinity();
    const auto seconds = HalfLifeSeconds(table.HalfLife[r], table.HalfLifeUnit[r]);
    return seconds && *seconds > 0 ? *seconds : -1;
}

FoundNuclide InTable(std::int32_t Z, std::int32_t N, const CellIndex& cells) {
    if (N < 0) return {{}, {}, Say(Word::NoSuchNuclide)};
    if (cells.At(Z, N) == 0) return {{}, {}, Say(Word::NotInTable, NuclideName(Z, N))};
    return {Z, N, {}};
}

FoundNuclide LongestLived(std::int32_t Z, const NuclideTable& table, const CellIndex& cells,
                          const ExtraFieldTable* extras) {
    const auto abundance = [extras](int record) {
        return extras ? NaturalAbundance(extras->Decay(record)) : 0.0;
    };
    const CellIndex::Cell* best = nullptr;
    double longest = 0;
    // In order of N: on a tie the earlier, lighter one stays unless the later is more abundant.
    for (const CellIndex::Cell& e : cells.Row(Z)) {
        const double life = Lifetime(table, e.record);
        if (!best || life > longest ||
            (life == longest && abundance(e.record) > abundance(best->record)))
            best = &e, longest = life;
    }
    if (!best)
        return {{}, {}, Say(Word::NoneOfElement, ElementOf(Z)->symbol, ElementOf(Z)->chinese)};
    return {Z, best->N, {}};
}

// An excited state as written after a mass number: its letter, or m with the isomer's place
// (m1 is m, m2 the second, n …); 0 for none.
char StateLetter(const std::string& text) {
    static constexpr std::string_view kLetters = "mnpqr";
    if (text.size() == 1 && std::string_view("mnpqrx").find(text[0]) != std::string_view::npos)
        return text[0];
    if (text.size() == 2 && text[0] == 'm' && text[1] >= '1' && text[1] <= '5')
        return kLetters[std::size_t(text[1] - '1')];
    return 0;
}

}  // namespace

std::string StateName(std::int32_t Z, std::int32_t N, char state) {
    static constexpr std::string_view kMarks[] = {"ᵐ", "ⁿ", "ᵖ", "q", "ʳ", "ˣ"};
    std::string name = NuclideName(Z, N);
    const std::size_t at = std::string_view("mnpqrx").find(state);
    if (state != 0 && at != std::string_view::npos)
        name.insert(Superscript((long long)Z + N).size(), kMarks[at]);
    return name;
}

FoundNuclide FindNuclide(std::string_view text, const NuclideTable& table, const CellIndex& cells,
                         const ExtraFieldTable* extras) {
    // No name is this long; the pattern matching below need not see a pasted page.
    constexpr std::size_t kLongestName = 64;
    if (text.size() > kLongestName) return {{}, {}, Say(Word::UnreadableName)};
    const std::string s = Normalised(text);
    static const std::regex protonsAndNeutrons(R"(^z=?(\d{1,9}),?n=?(\d{1,9})$)");
    static const std::regex massFirst(R"(^(\d{1,9})-?(.+)$)");
    static const std::regex nameFirst(R"(^(.+?)-?(\d{1,9})$)");
    std::smatch m;
    if (std::regex_match(s, m, protonsAndNeutrons)) {
        // Nine digits at most: every number fits.
        return InTable(std::stoi(m[1]), std::stoi(m[2]), cells);
    }
    // The plain forms first: "235np" is neptunium, not an excited state of phosphorus.
    static const std::regex massFirstState(R"(^(\d{1,9})(m\d|[mnpqrx])-?(.+)$)");
    static const std::regex nameFirstState(R"(^(.+?)-?(\d{1,9})(m\d|[mnpqrx])$)");
    std::string name = s;
    std::optional<std::int32_t> A, Z;
    std::string state;
    const auto reads = [&](const std::regex& pattern, int nameAt, int massAt, int stateAt) {
        if (Z || !std::regex_match(s, m, pattern)) return;
        const std::optional<std::int32_t> mass = std::stoi(m[massAt]);
        // A lone "n" is the neutron; with a mass number other than 1 it reads as nitrogen.
        Z = m[nameAt] == "n" && *mass != 1 ? 7 : ElementNamed(m[nameAt]);
        if (Z) name = m[nameAt], A = mass, state = stateAt > 0 ? m[stateAt].str() : "";
    };
    reads(massFirst, 2, 1, 0);
    reads(nameFirst, 1, 2, 0);
    reads(massFirstState, 3, 1, 2);
    reads(nameFirstState, 1, 2, 3);
    if (!A) Z = ElementNamed(name);
    if (!Z) return {{}, {}, Say(Word::UnreadableName)};
    if (!A) return LongestLived(*Z, table, cells, extras);
    if (!state.empty()) {
        const char letter = StateLetter(state);
        const int record = *A - *Z >= 0 ? cells.At(*Z, *A - *Z) : 0;
        if (letter == 0 || record == 0 || !extras || !HasExcitedState(*extras, record, letter))
            return {
                {}, {}, Say(Word::NotInTable, StateName(*Z, *A - *Z, letter == 0 ? 'm' : letter))};
        return {*Z, *A - *Z, {}, letter};
    }
    return InTable(*Z, *A - *Z, cells);
}

}  // namespace nuklorama
