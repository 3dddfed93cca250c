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
constexpr double kYear = 31556926;
// Each unit is written from one of itself up to the next one.
constexpr TimeUnit kTimeUnits[] = {
    {"ys", 1e-24, "ys"},    {"zs", 1e-21, "zs"},     {"as", 1e-18, "as"},  {"fs", 1e-15, "fs"},
    {"ps", 1e-12, "ps"},    {"ns", 1e-9, "ns"},      {"µs", 1e-6, "us"},   {"ms", 1e-3, "ms"},
    {"s", 1, "s"},          {"min", 60, "m", "min"}, {"h", 3600, "h"},     {"d", 86400, "d"},
    {"y", kYear, "y", "a"}, {"ky", 1e3 * kYear},     {"My", 1e6 * kYear},  {"Gy", 1e9 * kYear},
    {"Ty", 1e12 * kYear},   {"Py", 1e15 * kYear},    {"Ey", 1e18 * kYear}, {"Zy", 1e21 * kYear},
    {"Yy", 1e24 * kYear},
};

const TimeUnit* TableUnit(std::string_view unit) {
    for (const TimeUnit& u : kTimeUnits)
        if ((!u.word.empty() && IsUnitWord(unit, u.word)) ||
            (!u.otherWord.empty() && IsUnitWord(unit, u.otherWord)))
            return &u;
    return nullptr;
}

// A number from 1 to below 1000 in `digits` significant digits; a smaller one, which only the
// smallest unit writes, with as many decimals as a one.
std::string Fixed(double number, int digits) {
    const int whole = number < 10 ? 1 : number < 100 ? 2 : 3;
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", std::max(0, digits - whole), number);
    return text;
}

std::string HalfLife(double value, std::string_view unit, int digits) {
    if (IsUnitWord(unit, "stable")) return kStable;
    if (IsUnitWord(unit, "un")) return kUnknown;
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
    if (std::atof(number.c_str()) >= 1000) number = PowerOfTen(seconds / unit->seconds, digits);
    return number + " " + std::string(unit->name);
}

std::string ShortHalfLife(double value, std::string_view unit) {
    return HalfLife(value, unit, 3);
}

}  // namespace nuklorama
