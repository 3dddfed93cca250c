// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "base/Words.h"

// How the program writes what it shows of a nuclide, in one place for the cells, the tool tip,
// the figures and the messages: raised digits, powers of ten, time units and half-lives, the
// words for stable and unknown, and text cut short.
namespace nuklorama {

// The year of the time units: 365.2422 days.
inline constexpr double kSecondsPerYear = 31556926;

// Digits and minus signs raised, as a mass number stands before a symbol: "-5" is "⁻⁵"; any other
// character stays.
std::string Superscript(std::string_view text);
std::string Superscript(long long number);

// A finite number in `digits` significant digits times a power of ten: 5.44e-5 in two is
// "5.4 × 10⁻⁵".
std::string PowerOfTen(double value, int digits);

// What stands before a limit or an approximation: "< ", "> ", "≈" for <, >, ~; else nothing.
std::string RelationSign(char mark);

// The text, or when it is longer than maxBytes, as many whole characters as fit in them and "…".
std::string Truncated(std::string_view text, std::size_t maxBytes);

// Whether unit is the lower-case word, compared without regard to case and without trimming.
// Only ASCII letters can match a known word, so folding ASCII is enough.
inline bool IsUnitWord(std::string_view unit, std::string_view lowerWord) {
    if (unit.size() != lowerWord.size()) return false;
    for (std::size_t i = 0; i < unit.size(); ++i) {
        char c = unit[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != lowerWord[i]) return false;
    }
    return true;
}

// A table's half-life in seconds when its unit word is one a table writes: ys to s ("us" for
// µs), "m" or "min", h, d, and "y" or "a" for years of 31556926 s; else nothing.
std::optional<double> HalfLifeSeconds(double value, std::string_view unit);

// Whether a table's unit word has a meaning: stable, un or a time unit.
bool IsKnownUnit(std::string_view unit);

// A positive span of time in `digits` significant digits and the unit that keeps the number from 1
// to below 1000: ys to s, min, h, d, y and years with SI prefixes up to Yy ("1.13 h", "4.46 Gy");
// beyond those, a power of ten.
std::string Duration(double seconds, int digits);

// A table's half-life as a cell shows it, in three significant digits: "4.46 Gy"; "稳定" when
// stable, "未知" when unknown, empty when unreadable.
std::string ShortHalfLife(double value, std::string_view unit);

// The same as the tool tip shows it, in as many significant digits as the table gives, and at
// least three: 67.842 m is "1.1307 h".
std::string PreciseHalfLife(double value, std::string_view unit);

// A number and its time unit as a table or the evaluation writes them ("67.842 m", "1.2 ky"), as
// the tool tip shows a half-life ("1.1307 h"); empty when it is not that, or not a positive span of
// time a double holds. A limit keeps the digits it is given ("26 ns"): leastDigits 1.
std::string PreciseDuration(std::string_view text, int leastDigits = 3);

// The same in seconds, 0 and up; nothing when it is not that.
std::optional<double> DurationSeconds(std::string_view text);

}  // namespace nuklorama
