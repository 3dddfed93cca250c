// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/NuclideFacts.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string_view>

#include "base/Characters.h"
#include "base/Notation.h"
#include "chart/DecayModes.h"

namespace nuklorama {
namespace {

// A table's odd text stays visible but short.
constexpr std::size_t kShownText = 24;
constexpr std::size_t kShownEntries = 8;
constexpr std::size_t kShownStates = 6;

std::string Shown(std::string_view text) {
    return Truncated(text, kShownText);
}

// A number as the evaluation writes it, powers of ten as people do: 5.44e-5 is 5.4 × 10⁻⁵.
std::string NumberText(const DecayEntry& e) {
    if (e.number.find_first_of("eE") == std::string_view::npos) return std::string(e.number);
    return PowerOfTen(e.value, 2);
}

std::string BranchText(const DecayEntry& e) {
    if (e.relation == 0) return "?";
    return RelationSign(e.relation) + NumberText(e) + " %" +
           (e.estimated ? Say(Word::Estimated) : "");
}

std::string DecayLine(const std::vector<DecayEntry>& entries) {
    std::string line;
    std::size_t shown = 0;
    for (const DecayEntry& e : entries) {
        if (e.mode == "IS") continue;
        if (++shown > kShownEntries) return line + ", …";
        line += (line.empty() ? "" : ", ") + ModeNotation(Shown(e.mode)) + " " + BranchText(e);
    }
    return line;
}

// A half-life as the evaluation gives it, a limit or an approximation first and # after an
// estimate (">1.2# us"), in the chart's notation ("> 1.20 µs（估计）"); empty when unreadable.
std::string GivenHalfLife(std::string_view text) {
    if (text == "stable") return Say(Word::Stable);
    const char mark = text.find_first_of("<>~") == 0 ? text.front() : 0;
    std::string value(text.substr(mark ? 1 : 0));
    const std::size_t estimate = value.find('#');
    if (estimate != std::string::npos) value.erase(estimate, 1);
    // A limit is a bound, not a measurement: it keeps the digits it is given.
    const std::string shown = PreciseDuration(value, mark == '<' || mark == '>' ? 1 : 3);
    if (shown.empty()) return {};
    return RelationSign(mark) + shown + (estimate != std::string::npos ? Say(Word::Estimated) : "");
}

// The same with the limit the evaluation gives in brackets after it: "稳定 (> 9.9 Zy)".
std::string GivenHalfLifeAndLimit(std::string_view text) {
    const std::size_t open = text.find(" (");
    if (open == std::string_view::npos) return GivenHalfLife(text);
    const std::string shown = GivenHalfLife(text.substr(0, open));
    const std::string limit = GivenHalfLife(text.substr(open + 2, text.size() - open - 3));
    if (text.back() != ')' || shown.empty() || limit.empty()) return {};
    return shown + " (" + limit + ")";
}

// Spin and parity with the evaluation's marks in words: "1/2+*" is measured directly, "(7/2-)#"
// estimated from systematics.
std::string SpinText(std::string_view spin) {
    std::string text(spin);
    const bool measured = !text.empty() && text.back() == '*';
    if (measured) text.pop_back();
    const bool estimated = text.find('#') != std::string::npos;
    std::erase(text, '#');
    std::replace(text.begin(), text.end(), ';', ',');
    return Shown(text) + (measured ? Say(Word::Measured) : "") +
           (estimated ? Say(Word::Estimated) : "");
}

// The evaluation's marks on the order of a state and its ground state, in words.
std::string OrderText(std::string_view marks) {
    const bool uncertain = marks.find('*') != std::string_view::npos;
    const bool reversed = marks.find('&') != std::string_view::npos;
    return (uncertain ? Say(Word::OrderUncertain) : "") +
           (uncertain && reversed ? Say(Word::ListComma) : "") +
           (reversed ? Say(Word::OrderReversed) : "");
}

// One excited state, e.g. "¹⁸⁰ᵐTa 75.3 keV, 稳定 (> 45 Py), 9-, β⁻".
std::string StateLine(const StateFields& state, const std::string& mass,
                      const std::string& symbol) {
    static constexpr std::string_view kLetters = "mnprx";
    static constexpr const char* kRaised[] = {"ᵐ", "ⁿ", "ᵖ", "ʳ", "ˣ"};
    const std::size_t raised = kLetters.find(state.letter[0]);
    std::string line =
        mass + (raised == kLetters.npos ? Shown(state.letter) : kRaised[raised]) + symbol;

    std::string_view number = state.energy;
    const bool estimated = !number.empty() && number.back() == '#';
    if (estimated) number.remove_suffix(1);
    double keV = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), keV);
    if (!number.empty() && error == std::errc() && end == number.data() + number.size()) {
        char text[32];
        std::snprintf(text, sizeof text, " %.1f keV", keV);
        line += text + (estimated ? Say(Word::Estimated) : "");
    }
    const std::string halfLife = GivenHalfLifeAndLimit(state.halfLife);
    line += ", " + (state.halfLife.empty() ? Say(Word::HalfLifeUnknown)
                    : halfLife.empty()     ? Shown(state.halfLife)
                                           : halfLife);
    if (!state.spin.empty()) line += ", " + SpinText(state.spin);
    const DecayClass main =
        ClassifyDecay(state.decay, state.halfLife.starts_with("stable")).dominant;
    if (main != DecayClass::Unknown && main != DecayClass::Stable)
        line += ", " + DecayClassName(main);
    if (const std::string order = OrderText(state.order); !order.empty()) line += ", " + order;
    return line;
}

}  // namespace

std::string HalfLifeFact(std::string_view given) {
    const std::string shown = GivenHalfLifeAndLimit(given);
    return shown.empty() || shown.starts_with(Say(Word::Stable)) ? shown
                                                                 : Say(Word::HalfLife, shown);
}

std::string DescribeExtraFields(const ExtraFields& fields, long long massNumber,
                                const std::string& symbol) {
    std::string text;
    const std::vector<DecayEntry> entries = ReadDecayEntries(fields.decay);
    if (const std::string decay = DecayLine(entries); !decay.empty())
        text += "\n" + Say(Word::DecayModes, decay);
    for (const DecayEntry& e : entries)
        if (e.mode == "IS" && e.relation != 0) {
            text += "\n" + Say(Word::Abundance, BranchText(e));
            break;
        }
    if (!fields.spin.empty()) text += "\n" + Say(Word::SpinParity, SpinText(fields.spin));
    if (const std::string order = OrderText(fields.order); !order.empty()) text += "\n" + order;
    if (const auto mass = MassExcess(fields)) {
        std::string value(fields.massExcess), uncertainty(fields.massUncertainty);
        std::erase(value, '#');
        std::erase(uncertainty, '#');
        text += "\n" + Say(Word::MassExcess, Shown(value) + " ± " + Shown(uncertainty) + " keV" +
                                                 (mass->estimated ? Say(Word::Estimated) : ""));
    }
    const std::string_view year = fields.discovery;
    if (year.size() == 4 && std::all_of(year.begin(), year.end(), IsDigit))
        text += "\n" + Say(Word::DiscoveredIn, year);
    const std::string mass = Superscript(massNumber);
    std::size_t shown = 0;
    for (const StateFields& state : ExcitedStates(fields.isomers)) {
        // A state is named by one letter; anything else is not a state.
        if (state.letter.size() != 1) continue;
        if (shown++ == kShownStates) {
            text += "\n" + Say(Word::ExcitedState, "…");
            break;
        }
        text += "\n" + Say(Word::ExcitedState, StateLine(state, mass, symbol));
    }
    return text;
}

}  // namespace nuklorama
