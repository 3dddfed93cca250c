// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/NubaseImport.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <map>

#include "base/Characters.h"
#include "table/LineReader.h"

namespace nuklorama {
namespace {

// Columns of the NUBASE format, 1-based and inclusive as its header gives them.
struct Column {
    std::size_t first, last;
};
constexpr Column kMassNumber{1, 3};
constexpr Column kAtomicNumber{5, 7};
constexpr Column kStateDigit{8, 8};
constexpr Column kName{12, 16};
constexpr Column kStateLetter{17, 17};
constexpr Column kMassExcess{19, 31};
constexpr Column kMassUncertainty{32, 42};
constexpr Column kExcitation{43, 54};
constexpr Column kOrderUncertain{68, 68};
constexpr Column kOrderReversed{69, 69};
constexpr Column kHalfLife{70, 78};
constexpr Column kHalfLifeUnit{79, 80};
constexpr Column kHalfLifeUncertainty{82, 88};
constexpr Column kSpin{89, 102};
constexpr Column kDiscovery{115, 118};
constexpr Column kDecay{120, 209};

std::string_view Cut(std::string_view line, Column c) {
    if (line.size() < c.first) return {};
    return TrimBlanks(line.substr(c.first - 1, c.last - c.first + 1));
}

std::string Quoted(std::string_view s) {
    return "\"" + EscapeControls(s) + "\"";
}

int Integer(std::string_view text, const char* what, long long line) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0)
        throw NubaseError(line, std::string(what) + " " + Quoted(text) + " is not a number");
    return value;
}

// Years in multiples of a thousand and up: the power of ten each stands for.
struct ScaledYears {
    std::string_view unit;
    int powerOfTen;
};
constexpr std::array<ScaledYears, 8> kScaledYears{
    {{"ky", 3}, {"My", 6}, {"Gy", 9}, {"Ty", 12}, {"Py", 15}, {"Ey", 18}, {"Zy", 21}, {"Yy", 24}}};
constexpr std::array<std::string_view, 13> kKeptUnits{"ys", "zs", "as", "fs", "ps", "ns", "us",
                                                      "ms", "s",  "m",  "h",  "d",  "y"};

// Moves the decimal point of a plain decimal number right, digit by digit, so that no binary
// rounding can change the value.
std::string ShiftDecimalPoint(std::string_view number, int places) {
    const std::size_t point = number.find('.');
    std::string integer(number.substr(0, point));
    std::string fraction(point == std::string_view::npos ? "" : number.substr(point + 1));
    fraction.resize(std::max<std::size_t>(fraction.size(), std::size_t(places)), '0');
    integer += fraction.substr(0, std::size_t(places));
    fraction.erase(0, std::size_t(places));
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
    return fraction.empty() ? integer : integer + "." + fraction;
}

bool IsPlainDecimal(std::string_view s) {
    const auto digits = std::count_if(s.begin(), s.end(), IsDigit);
    const auto points = std::count(s.begin(), s.end(), '.');
    return digits > 0 && points <= 1 && std::size_t(digits + points) == s.size();
}

struct HalfLife {
    std::string value, unit;
};

HalfLife ConvertHalfLife(std::string_view text, std::string_view unit, long long line) {
    if (text == "stbl") return {"-", "stable"};
    if (text.empty() || text == "p-unst") return {"-", "un"};
    // Systematics (#), approximations (~) and limits (<, >) still give the best value known.
    std::string number;
    for (const char c : text)
        if (c != '#' && c != '~' && c != '<' && c != '>') number.push_back(c);
    if (!IsPlainDecimal(number))
        throw NubaseError(line, "half-life " + Quoted(text) + " is not a number");
    for (const ScaledYears& s : kScaledYears)
        if (unit == s.unit) return {ShiftDecimalPoint(number, s.powerOfTen), "y"};
    if (std::find(kKeptUnits.begin(), kKeptUnits.end(), unit) == kKeptUnits.end())
        throw NubaseError(line, "half-life unit " + Quoted(unit) + " is not known");
    return {number, std::string(unit)};
}

constexpr bool IsRelation(char c) {
    return c == '=' || c == '~' || c == '<' || c == '>';
}

// Letters, digits and the signs of B-, e+ or 24Ne+26Ne: all a mode is written with.
bool IsModeText(std::string_view mode) {
    return !mode.empty() && std::all_of(mode.begin(), mode.end(), [](char c) {
        return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '+' ||
               c == '-';
    });
}

// A number as the column writes a branch: 100, 35.94, 5.44e-5, then '#' for systematics; 0 for
// none, or one that is no finite number.
std::size_t NumberLength(std::string_view s) {
    std::size_t i = 0;
    const auto exponent = [&s](std::size_t i) {
        return i > 0 && (s[i - 1] == 'e' || s[i - 1] == 'E');
    };
    while (i < s.size() && (IsDigit(s[i]) || s[i] == '.' || s[i] == 'e' || s[i] == 'E' ||
                            ((s[i] == '+' || s[i] == '-') && exponent(i))))
        ++i;
    double value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + i, value);
    if (i == 0 || error != std::errc() || !std::isfinite(value)) return 0;
    i = std::size_t(end - s.data());
    return i < s.size() && s[i] == '#' ? i + 1 : i;
}

// An uncertainty such as 5, 1.9 or +18-8: digits with points, signs and exponents only.
bool IsUncertainty(std::string_view word) {
    return std::any_of(word.begin(), word.end(), IsDigit) &&
           word.find_first_not_of("0123456789.eE+-#") == std::string_view::npos;
}

// The decay column read by its grammar, whatever its spacing: a mode, then "?" or a relation
// (=, ~, <, >) and a value ("?" for a branch seen but not measured), then an uncertainty. An
// entry ends at ';' or where the next mode begins, as in "B+p ? 2p ?". Bracketed notes and
// uncertainties are left out, an entry that follows no form too; the rest is written "mode?",
// "mode=?" or mode, relation and value, joined by ';'.
std::string DecayEntries(std::string_view column) {
    std::string text;
    int depth = 0;
    for (const char c : column) {
        depth += c == '[' ? 1 : c == ']' && depth > 0 ? -1 : 0;
        if (depth == 0 && c != ']') text.push_back(c);
    }
    std::string_view rest = text;
    const auto skipBlanks = [&rest] {
        while (!rest.empty() && IsBlank(rest.front()))
            rest.remove_prefix(1);
    };
    const auto word = [&rest] {
        return rest.substr(0, std::min(rest.find_first_of(" \t;"), rest.size()));
    };
    std::string entries;
    while (!rest.empty()) {
        if (IsBlank(rest.front()) || rest.front() == ';') {
            rest.remove_prefix(1);
            continue;
        }
        const std::size_t modeEnd = std::min(rest.find_first_of(" \t;=~<>?"), rest.size());
        const std::string_view mode = rest.substr(0, modeEnd);
        rest.remove_prefix(modeEnd);
        skipBlanks();
        const char relation = !rest.empty() && IsRelation(rest.front()) ? rest.front() : 0;
        rest.remove_prefix(relation ? 1 : 0);
        skipBlanks();
        const bool unknown = !rest.empty() && rest.front() == '?';
        const std::string_view value = rest.substr(0, unknown ? 1 : NumberLength(rest));
        rest.remove_prefix(value.size());
        skipBlanks();
        if (!unknown && IsUncertainty(word())) rest.remove_prefix(word().size());
        const bool formed = IsModeText(mode) && (unknown ? relation == 0 || relation == '='
                                                         : relation != 0 && !value.empty());
        // What follows no form is left out up to the next ';'.
        if (!formed) {
            rest.remove_prefix(std::min(rest.find(';'), rest.size()));
            continue;
        }
        entries += (entries.empty() ? "" : ";") + std::string(mode);
        if (relation) entries += relation;
        entries += value;
    }
    return entries;
}

// Text from a column with the table's separators (',', and within a state ':' and '|') written
// ';', as spin lists such as (0+,1+) need.
std::string Separated(std::string_view column, std::string_view separators = ",") {
    std::string text(column);
    for (char& c : text)
        if (separators.find(c) != std::string_view::npos) c = ';';
    return text;
}

std::string Spin(std::string_view line) {
    // The column may end in the isospin ("0+      T=1"), which is no part of spin and parity.
    const std::string_view column = Cut(line, kSpin);
    return std::string(TrimBlanks(column.substr(0, column.find("T="))));
}

bool IsTimeUnit(std::string_view unit) {
    return std::find(kKeptUnits.begin(), kKeptUnits.end(), unit) != kKeptUnits.end() ||
           std::any_of(kScaledYears.begin(), kScaledYears.end(),
                       [unit](const ScaledYears& s) { return s.unit == unit; });
}

// The half-life as the evaluation gives it, its marks kept: "12.32 y", "2# ms", "~1 Zy",
// "stable". A limit given in the uncertainty's place follows in brackets, or stands alone where
// no value is given: "stable (>9.9 Zy)", "2# ms (>260 ns)", "<26 ns".
std::string HalfLifeAsGiven(std::string_view line) {
    const std::string_view t = Cut(line, kHalfLife);
    std::string given = t == "stbl"     ? "stable"
                        : t == "p-unst" ? "p-unst"
                        : t.empty()     ? ""
                                    : std::string(t) + " " + std::string(Cut(line, kHalfLifeUnit));
    const std::string_view dT = Cut(line, kHalfLifeUncertainty);
    if (dT.empty() || !IsRelation(dT.front()) || dT.front() == '=') return given;
    const std::string_view rest = TrimBlanks(dT.substr(1));
    const std::size_t number = NumberLength(rest);
    const std::string_view unit = TrimBlanks(rest.substr(number));
    if (number == 0 || !IsTimeUnit(unit)) return given;
    const std::string limit =
        dT.front() + std::string(rest.substr(0, number)) + " " + std::string(unit);
    return given.empty() ? limit : given + " (" + limit + ")";
}

// The source's marks on the order of a state and its ground state: '*' uncertain, '&' reversed
// against ENSDF.
std::string OrderMarks(std::string_view line) {
    return std::string(Cut(line, kOrderUncertain) == "*" ? "*" : "") +
           (Cut(line, kOrderReversed) == "&" ? "&" : "");
}

// One excited state as letter:energy:half-life:decay:spin:order:discovery, the energy in keV and
// the half-life as the evaluation gives them.
std::string ExcitedState(std::string_view line) {
    constexpr std::string_view kApart = ",:|";
    return Separated(Cut(line, kStateLetter), kApart) + ':' +
           Separated(Cut(line, kExcitation), kApart) + ':' +
           Separated(HalfLifeAsGiven(line), kApart) + ':' + DecayEntries(Cut(line, kDecay)) + ':' +
           Separated(Spin(line), kApart) + ':' + OrderMarks(line) + ':' +
           Separated(Cut(line, kDiscovery), kApart);
}

// Isomers and levels (states 1 to 6) are kept with their ground state; isobaric analogue states
// (8 and 9, letters i and j) are not.
bool IsExcitedStateKept(std::string_view line) {
    const std::string_view digit = Cut(line, kStateDigit);
    return digit.size() == 1 && digit >= "1" && digit <= "6" && Cut(line, kStateLetter).size() == 1;
}

}  // namespace

NubaseTable ImportNubase(std::string_view nubase) {
    const std::string header =
        "name,Z,N,A,symbol,halflife,unit,decay,spin,isomers,halflife_given,order,mass_excess,"
        "mass_uncertainty,discovery\r\n";
    NubaseTable imported{header};
    std::string& table = imported.csv;
    // Where each ground state stood, by Z and A.
    std::map<std::pair<int, int>, long long> groundStates;
    // The ground state's line waits for the excited states that follow it; its fields after them
    // too.
    std::string pending, isomers, groundState, after;
    const auto flush = [&] {
        if (!pending.empty()) table += pending + ',' + isomers + ',' + after + "\r\n";
        pending.clear();
        isomers.clear();
    };
    // Lines split exactly as the table loader splits them.
    LineReader reader([&nubase](char* into, std::size_t size) {
        const std::size_t n = nubase.copy(into, size);
        nubase.remove_prefix(n);
        return n;
    });
    long long lineNumber = 0;
    std::string line;
    while (!reader.AtEnd()) {
        reader.ReadLine(line);
        ++lineNumber;
        if (TrimBlanks(line).empty() || line.front() == '#') continue;

        if (line.size() < kName.last)
            throw NubaseError(lineNumber, "the line is too short for a NUBASE entry");
        const std::string_view state = Cut(line, kStateDigit);
        if (state.size() != 1 || !IsDigit(state.front()))
            throw NubaseError(lineNumber, "column 8 holds " + Quoted(state) +
                                              " where a NUBASE entry has its state digit, 0 to 9");
        // Isomers, levels, resonances and analogue states share the ground state's cell.
        if (state != "0") {
            if (pending.empty() || line.substr(0, 7) != groundState || !IsExcitedStateKept(line))
                continue;
            // The evaluation lists some states only to say that they do not exist.
            if (Cut(line, kExcitation) == "non-exist") {
                ++imported.nonExistentStates;
                continue;
            }
            isomers += (isomers.empty() ? "" : "|") + ExcitedState(line);
            ++imported.excitedStates;
            continue;
        }
        flush();
        groundState = line.substr(0, 7);
        const int a = Integer(Cut(line, kMassNumber), "mass number", lineNumber);
        const int z = Integer(Cut(line, kAtomicNumber), "atomic number", lineNumber);
        if (z > a) throw NubaseError(lineNumber, "atomic number above the mass number");
        const auto [first, isNew] = groundStates.try_emplace({z, a}, lineNumber);
        if (!isNew)
            throw NubaseError(
                lineNumber, "repeats the ground state of line " + std::to_string(first->second) +
                                " (A = " + std::to_string(a) + ", Z = " + std::to_string(z) + ")");
        const std::string_view name = Cut(line, kName);
        // The mass number then the element symbol, which is all the table may copy of it.
        const auto symbol = std::find_if_not(name.begin(), name.end(), IsDigit);
        const bool symbolIsLetters =
            symbol != name.end() && std::all_of(symbol, name.end(), [](char c) {
                return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
            });
        if (symbol == name.begin() || !symbolIsLetters)
            throw NubaseError(lineNumber, "nuclide name " + Quoted(name) + " is not valid");
        const HalfLife halfLife =
            ConvertHalfLife(Cut(line, kHalfLife), Cut(line, kHalfLifeUnit), lineNumber);

        pending = std::string(name) + ',' + std::to_string(z) + ',' + std::to_string(a - z) + ',' +
                  std::to_string(a) + ',' + std::string(symbol, name.end()) + ',' + halfLife.value +
                  ',' + halfLife.unit + ',' + DecayEntries(Cut(line, kDecay)) + ',' +
                  Separated(Spin(line));
        after = Separated(HalfLifeAsGiven(line)) + ',' + OrderMarks(line) + ',' +
                Separated(Cut(line, kMassExcess)) + ',' + Separated(Cut(line, kMassUncertainty)) +
                ',' + Separated(Cut(line, kDiscovery));
    }
    flush();
    if (groundStates.empty())
        throw NubaseError(0,
                          "holds no NUBASE ground state: expected the fixed-width lines of a "
                          "NUBASE evaluation, such as nubase_4.mas20.txt");
    imported.groundStates = int(groundStates.size());
    return imported;
}

}  // namespace nuklorama
