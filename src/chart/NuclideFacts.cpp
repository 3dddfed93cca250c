// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/NuclideFacts.h"

#include <charconv>
#include <cstdio>
#include <string_view>

#include "base/Notation.h"
#include "chart/DecayModes.h"

namespace nuklorama {
namespace {

// A table's odd text stays visible but short.
constexpr std::size_t kShownText = 24;
constexpr std::size_t kShownEntries = 8;
constexpr std::size_t kShownStates = 6;
constexpr const char* kEstimated = "（估计）";

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
    const std::string relation = e.relation == '~'   ? "≈"
                                 : e.relation == '<' ? "< "
                                 : e.relation == '>' ? "> "
                                                     : "";
    return relation + NumberText(e) + " %" + (e.estimated ? kEstimated : "");
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

// letter:energy:half-life:decay, e.g. m:142.6836:6.0066 h:IT~100;B-=0.0037.
std::string StateLine(std::string_view state, const std::string& mass, const std::string& symbol) {
    std::string_view parts[4];
    for (std::string_view& part : parts) {
        const std::size_t colon = state.find(':');
        part = state.substr(0, colon);
        state = colon == std::string_view::npos ? std::string_view() : state.substr(colon + 1);
    }
    const auto& [letter, energy, halfLife, decay] = parts;
    static constexpr std::string_view kLetters = "mnprx";
    static constexpr const char* kRaised[] = {"ᵐ", "ⁿ", "ᵖ", "ʳ", "ˣ"};
    const std::size_t raised = letter.size() == 1 ? kLetters.find(letter[0]) : kLetters.npos;
    std::string line = mass + (raised == kLetters.npos ? Shown(letter) : kRaised[raised]) + symbol;

    std::string_view number = energy;
    const bool estimated = !number.empty() && number.back() == '#';
    if (estimated) number.remove_suffix(1);
    double keV = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), keV);
    if (!number.empty() && error == std::errc() && end == number.data() + number.size()) {
        char text[32];
        std::snprintf(text, sizeof text, " %.1f keV", keV);
        line += text + std::string(estimated ? kEstimated : "");
    }
    line += halfLife == "stable" ? ", " + std::string(kStable)
            : halfLife.empty()   ? ", 半衰期" + std::string(kUnknown)
                                 : ", " + Shown(halfLife);
    const std::vector<DecayEntry> entries = ReadDecayEntries(decay);
    if (const DecayEntry* main = DominantEntry(entries))
        line += ", " + ModeNotation(Shown(main->mode));
    return line;
}

}  // namespace

std::string DescribeExtraFields(const ExtraFields& fields, long long massNumber,
                                const std::string& symbol) {
    std::string text;
    const std::vector<DecayEntry> entries = ReadDecayEntries(fields.decay);
    if (const std::string decay = DecayLine(entries); !decay.empty()) text += "\n衰变方式 " + decay;
    for (const DecayEntry& e : entries)
        if (e.mode == "IS" && e.relation != 0) {
            text += "\n天然丰度 " + BranchText(e);
            break;
        }
    if (!fields.spin.empty()) text += "\n自旋宇称 " + Shown(fields.spin);
    std::string_view states = fields.isomers;
    const std::string mass = Superscript(std::to_string(massNumber));
    for (std::size_t shown = 0; !states.empty(); ++shown) {
        if (shown == kShownStates) {
            text += "\n同核异能态 …";
            break;
        }
        const std::size_t bar = states.find('|');
        const std::string_view state = states.substr(0, bar);
        // A state is named by one letter; anything else is not a state.
        if (state.size() > 1 && state[1] == ':')
            text += "\n同核异能态 " + StateLine(state, mass, symbol);
        states = bar == std::string_view::npos ? std::string_view() : states.substr(bar + 1);
    }
    return text;
}

}  // namespace nuklorama
