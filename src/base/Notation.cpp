// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/Notation.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace nuklorama {
namespace {

struct TimeUnit {
    std::string_view name;  // as the program writes it
    double seconds;
    // As a table writes it, when it may: the one word, and another for the same.
    std::string_view word = {}, otherWord = {};
};
constexpr double kYear = kSecondsPerYear;
// Each unit is written from one of itself up to the next one.
constexpr TimeUnit kTimeUnits[] = {
    {"ys", 1e-24, "ys"},    {"zs", 1e-21, "zs"},     {"as", 1e-18, "as"},  {"fs", 1e-15, "fs"},
    {"ps", 1e-12, "ps"},    {"ns", 1e-9, "ns"},      {"µs", 1e-6, "us"},   {"ms", 1e-3, "ms"},
    {"s", 1, "s"},          {"min", 60, "m", "min"}, {"h", 3600, "h"},     {"d", 86400, "d"},
    {"y", kYear, "y", "a"}, {"ky", 1e3 * kYear},     {"My", 1e6 * kYear},  {"Gy", 1e9 * kYear},
    {"Ty", 1e12 * kYear},   {"Py", 1e15 * kYear},    {"Ey", 1e18 * kYear}, {"Zy", 1e21 * kYear},
    {"Yy", 1e24 * kYear},
};

// Tool tips show at most what a double holds.
constexpr int kMostDigits = 15;

const TimeUnit* TableUnit(std::string_view unit) {
    for (const TimeUnit& u : kTimeUnits)
        if ((!u.word.empty() && IsUnitWord(unit, u.word)) ||
            (!u.otherWord.empty() && IsUnitWord(unit, u.otherWord)))
            return &u;
    return nullptr;
}

// A number and a unit as a table or the program writes them; no unit when it is not that.
struct ReadTime {
    double value = 0;
    const TimeUnit* unit = nullptr;
};
ReadTime ReadDuration(std::string_view text) {
    const std::size_t space = text.find(' ');
    if (space == std::string_view::npos) return {};
    const std::string_view number = text.substr(0, space), unit = text.substr(space + 1);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size()) return {};
    const TimeUnit* found = TableUnit(unit);
    for (const TimeUnit& u : kTimeUnits)
        if (unit == u.name) found = &u;
    return {value, found};
}

// A number from 1 to below 1000 in `digits` significant digits; a smaller one, which only the
// smallest unit writes, with as many decimals as a 1.
std::string Fixed(double number, int digits) {
    const int whole = number < 10 ? 1 : number < 100 ? 2 : 3;
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", std::max(0, digits - whole), number);
    return text;
}

// The significant digits a value was written with, at least three: 67.842 has five, 4463000000
// four.
int PreciseDigits(double value, int least = 3) {
    if (!std::isfinite(value)) return least;
    char text[32];
    std::snprintf(text, sizeof text, "%.*e", kMostDigits - 1, std::fabs(value));
    std::string digits(text, std::strchr(text, 'e'));
    digits.erase(1, 1);  // the decimal point
    return std::max(least, int(digits.find_last_not_of('0') + 1));
}

std::string HalfLife(double value, std::string_view unit, int digits) {
    if (IsUnitWord(unit, "stable")) return Say(Word::Stable);
    if (IsUnitWord(unit, "un")) return Say(Word::Unknown);
    const auto seconds = HalfLifeSeconds(value, unit);
    if (!seconds || !(*seconds > 0) || std::isinf(*seconds)) return {};
    return Duration(*seconds, digits);
}

}  // namespace

std::string Superscript(std::string_view text) {
    static constexpr const char* kDigits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string raised;
    for (const char c : text)
        raised += c == '-' ? "⁻" : c >= '0' && c <= '9' ? kDigits[c - '0'] : std::string(1, c);
    return raised;
}

std::string Superscript(long long number) {
    return Superscript(std::to_string(number));
}

std::string PowerOfTen(double value, int digits) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*e", std::max(digits, 1) - 1, value);
    const std::string_view s = text;
    const std::size_t mark = s.find('e');
    int exponent = 0;
    std::from_chars(s.data() + mark + (s[mark + 1] == '+' ? 2 : 1), s.data() + s.size(), exponent);
    return std::string(s.substr(0, mark)) + " × 10" + Superscript(exponent);
}

std::string Truncated(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return std::string(text);
    std::size_t end = maxBytes;
    // Not inside a character: continuation bytes are 10xxxxxx.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return std::string(text.substr(0, end)) + "…";
}

std::string RelationSign(char mark) {
    return mark == '~' ? "≈" : mark == '<' ? "< " : mark == '>' ? "> " : "";
}

std::optional<double> HalfLifeSeconds(double value, std::string_view unit) {
    const TimeUnit* found = TableUnit(unit);
    if (found == nullptr) return std::nullopt;
    return value * found->seconds;
}

bool IsKnownUnit(std::string_view unit) {
    return IsUnitWord(unit, "stable") || IsUnitWord(unit, "un") || TableUnit(unit) != nullptr;
}

std::string Duration(double seconds, int digits) {
    const TimeUnit* unit = &kTimeUnits[0];
    for (const TimeUnit& u : kTimeUnits)
        if (seconds >= u.seconds) unit = &u;
    std::string number = Fixed(seconds / unit->seconds, digits);
    // 999.7 ms rounds to 1000 ms: one more unit reads 1.00 s.
    if (std::atof(number.c_str()) >= 1000 && unit + 1 < std::end(kTimeUnits))
        number = Fixed(seconds / (++unit)->seconds, digits);
    // Past the largest unit, or so far below the smallest that the digits show nothing.
    if (const double shown = std::atof(number.c_str()); shown >= 1000 || shown == 0)
        number = PowerOfTen(seconds / unit->seconds, digits);
    return number + " " + std::string(unit->name);
}

std::string ShortHalfLife(double value, std::string_view unit) {
    return HalfLife(value, unit, 3);
}

std::string PreciseHalfLife(double value, std::string_view unit) {
    return HalfLife(value, unit, PreciseDigits(value));
}

std::optional<double> DurationSeconds(std::string_view text) {
    const auto [value, unit] = ReadDuration(text);
    const double seconds = unit ? value * unit->seconds : 0;
    if (!unit || !(seconds >= 0) || std::isinf(seconds)) return std::nullopt;
    return seconds;
}

std::string PreciseDuration(std::string_view text, int leastDigits) {
    const auto seconds = DurationSeconds(text);
    if (!seconds || !(*seconds > 0)) return {};
    return Duration(*seconds, PreciseDigits(ReadDuration(text).value, leastDigits));
}

}  // namespace nuklorama
