// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/CellLabel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "chart/Elements.h"
#include "chart/HalfLifeColour.h"

namespace nuklorama {
namespace {

struct ShortUnit {
    const char* name;
    double seconds;
};
constexpr double kYear = 31556926;
// Each unit is used from one of itself up to the next one.
constexpr ShortUnit kShortUnits[] = {
    {"ys", 1e-24},        {"zs", 1e-21},        {"as", 1e-18},
    {"fs", 1e-15},        {"ps", 1e-12},        {"ns", 1e-9},
    {"µs", 1e-6},         {"ms", 1e-3},         {"s", 1},
    {"min", 60},          {"h", 3600},          {"d", 86400},
    {"y", kYear},         {"ky", 1e3 * kYear},  {"My", 1e6 * kYear},
    {"Gy", 1e9 * kYear},  {"Ty", 1e12 * kYear}, {"Py", 1e15 * kYear},
    {"Ey", 1e18 * kYear}, {"Zy", 1e21 * kYear}, {"Yy", 1e24 * kYear},
};

// Three significant digits of a number from 1 to below 1000; beyond the largest unit, with an
// exponent.
std::string ThreeDigits(double number) {
    const int decimals = number < 10 ? 2 : number < 100 ? 1 : 0;
    char text[32];
    if (number < 1000)
        std::snprintf(text, sizeof text, "%.*f", decimals, number);
    else
        std::snprintf(text, sizeof text, "%.2e", number);
    return text;
}

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Colour c) {
    return 0.2126 * Linear(RedOf(c)) + 0.7152 * Linear(GreenOf(c)) + 0.0722 * Linear(BlueOf(c));
}

}  // namespace

std::string Superscript(long long number) {
    static constexpr const char* kDigits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text;
    for (const char c : std::to_string(number))
        text += c == '-' ? "⁻" : kDigits[c - '0'];
    return text;
}

std::string NuclideName(std::int32_t Z, std::int32_t N) {
    const auto element = ElementOf(Z);
    return Superscript((long long)Z + N) +
           (element ? std::string(element->symbol) : std::to_string(Z));
}

std::string ShortHalfLife(double value, std::string_view unit) {
    if (IsUnitWord(unit, "stable")) return "稳定";
    if (IsUnitWord(unit, "un")) return "未知";
    const auto seconds = HalfLifeSeconds(value, unit);
    if (!seconds || !(*seconds > 0) || std::isinf(*seconds)) return {};
    const ShortUnit* chosen = &kShortUnits[0];
    for (const ShortUnit& u : kShortUnits)
        if (*seconds >= u.seconds) chosen = &u;
    std::string number = ThreeDigits(*seconds / chosen->seconds);
    // 999.7 ms rounds to 1000 ms: one more unit reads 1.00 s.
    if (number == "1000" && chosen + 1 < std::end(kShortUnits))
        number = ThreeDigits(*seconds / (++chosen)->seconds);
    return number + " " + chosen->name;
}

double ContrastRatio(Colour a, Colour b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Colour LabelColour(Colour background) {
    return ContrastRatio(background, kBlack) >= ContrastRatio(background, kWhite) ? kBlack : kWhite;
}

LabelInk InkFor(const CellColours& cell) {
    return {LabelColour(cell.fill), cell.corner ? std::optional(cell.fill) : std::nullopt};
}

}  // namespace nuklorama
