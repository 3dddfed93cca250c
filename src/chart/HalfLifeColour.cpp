// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/HalfLifeColour.h"

#include <cmath>
#include <cstdint>

namespace nuklorama {
namespace {

struct TimeUnit {
    std::string_view word;
    double toSeconds;
};

// Looked up in this order; "m" is minutes, a year is 31556926 s.
constexpr TimeUnit kUnits[] = {
    {"ys", 1e-24}, {"zs", 1e-21}, {"as", 1e-18}, {"fs", 1e-15},   {"ps", 1e-12},
    {"ns", 1e-9},  {"us", 1e-6},  {"ms", 0.001}, {"s", 1},        {"m", 60},
    {"min", 60},   {"h", 3600},   {"d", 86400},  {"y", 31556926}, {"a", 31556926},
};

// The scale was defined with this 15-digit value of ln 10, not with a library log10: exact
// powers of ten land just below their grey step, and the chart must keep that.
constexpr double kLn10 = 2.30258509299405;

const TimeUnit* FindTimeUnit(std::string_view unit) {
    for (const TimeUnit& u : kUnits)
        if (IsUnitWord(unit, u.word)) return &u;
    return nullptr;
}

}  // namespace

bool IsUnitWord(std::string_view unit, std::string_view lowerWord) {
    if (unit.size() != lowerWord.size()) return false;
    for (std::size_t i = 0; i < unit.size(); ++i) {
        char c = unit[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != lowerWord[i]) return false;
    }
    return true;
}

std::optional<double> HalfLifeSeconds(double value, std::string_view unit) {
    const TimeUnit* found = FindTimeUnit(unit);
    if (found == nullptr) return std::nullopt;
    // Seconds are used as given, without a multiplication that could change the value.
    return found->word == "s" ? value : value * found->toSeconds;
}

bool IsKnownUnit(std::string_view unit) {
    return IsUnitWord(unit, "stable") || IsUnitWord(unit, "un") || FindTimeUnit(unit) != nullptr;
}

Colour HalfLifeColour(double value, std::string_view unit) {
    if (IsUnitWord(unit, "stable")) return kWhite;
    if (IsUnitWord(unit, "un")) return kRed;
    const std::optional<double> inSeconds = HalfLifeSeconds(value, unit);
    if (!inSeconds) return kBlack;
    const double seconds = *inSeconds;
    if (!(seconds > 0)) return kBlack;
    if (std::isinf(seconds)) return kWhite;

    const double decades = std::log(seconds) / kLn10;
    const double step = std::floor((decades + 10) * 6);
    // The logarithm keeps step within ±2000, so the product fits in 32 bits.
    const auto c = static_cast<std::int32_t>(step) * 65793;
    if (c < 1) return kBlack;
    if (c > 0xFFFFFE) return kWhite;
    return c;
}

}  // namespace nuklorama
