// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "base/Characters.h"
#include "base/RunTimeError.h"

namespace nuklorama {
namespace {

// A decimal number read as sign, significant digits and a power of ten: the value is
// 0.digits × 10^exponent, with no leading zero in digits (an empty digits means zero).
struct Decimal {
    std::size_t length = 0;  // characters of the text the number took; 0 if there is none
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;
};

// Takes the longest prefix of the form [sign] digits [. digits] [(e|E) [sign] digits] with at
// least one mantissa digit.
Decimal ScanDecimal(std::string_view s) {
    // Exponents are held far beyond any double so that the sign of the magnitude stays right.
    constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;
    Decimal d;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) d.negative = s[i++] == '-';
    std::int64_t integerDigits = 0;
    bool anyDigit = false;
    std::int64_t leadingZeros = 0;  // zeros before the first significant digit, after the point
    auto take = [&](char c, bool beforePoint) {
        anyDigit = true;
        if (beforePoint) ++integerDigits;
        if (d.digits.empty() && c == '0') {
            if (!beforePoint)
                ++leadingZeros;
            else
                --integerDigits;
            return;
        }
        d.digits.push_back(c);
    };
    for (; i < s.size() && IsDigit(s[i]); ++i)
        take(s[i], true);
    if (i < s.size() && s[i] == '.') {
        ++i;
        for (; i < s.size() && IsDigit(s[i]); ++i)
            take(s[i], false);
    }
    if (!anyDigit) return {};
    d.length = i;

    std::int64_t exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) negativeExponent = s[j++] == '-';
        if (j < s.size() && IsDigit(s[j])) {
            for (; j < s.size() && IsDigit(s[j]); ++j)
                exponent = std::min(exponent * 10 + (s[j] - '0'), kExponentCap);
            if (negativeExponent) exponent = -exponent;
            d.length = j;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    d.exponent = d.digits.empty() ? 0 : integerDigits - leadingZeros + exponent;
    return d;
}

}  // namespace

std::int32_t ToInt32(std::string_view text) {
    text = TrimBlanks(text);
    // Nearly every proton and neutron number is a few plain digits.
    if (!text.empty() && text.size() <= 9 && std::all_of(text.begin(), text.end(), IsDigit)) {
        std::int32_t value = 0;
        for (const char c : text)
            value = value * 10 + (c - '0');
        return value;
    }
    const Decimal d = ScanDecimal(text);
    if (d.length == 0 || d.length != text.size()) throw RunTimeError(ErrorKind::TypeMismatch);
    if (d.digits.empty() || d.exponent < 0) return 0;
    if (d.exponent > 10) throw RunTimeError(ErrorKind::Overflow);

    const auto digitAt = [&](std::size_t k) { return k < d.digits.size() ? d.digits[k] - '0' : 0; };
    const auto integerLength = static_cast<std::size_t>(d.exponent);
    std::int64_t magnitude = 0;
    for (std::size_t k = 0; k < integerLength; ++k)
        magnitude = magnitude * 10 + digitAt(k);

    // The fraction is compared with one half from its digits, so no binary rounding creeps in.
    if (d.digits.size() > integerLength) {
        const int first = digitAt(integerLength);
        const bool moreAfterFirst = d.digits.size() > integerLength + 1;
        const bool aboveHalf = first > 5 || (first == 5 && moreAfterFirst);
        const bool exactlyHalf = first == 5 && !moreAfterFirst;
        if (aboveHalf || (exactlyHalf && magnitude % 2 == 1)) ++magnitude;
    }
    const std::int64_t value = d.negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        throw RunTimeError(ErrorKind::Overflow);
    return static_cast<std::int32_t>(value);
}

double LeadingNumber(std::string_view text) {
    std::string compact;
    if (text.find_first_of(" \t\n") != std::string_view::npos) {
        compact.reserve(text.size());
        for (char c : text)
            if (c != ' ' && c != '\t' && c != '\n') compact.push_back(c);
        text = compact;
    }

    // The common case: the standard reading takes exactly this grammar once the sign is off.
    std::size_t start = text.empty() || (text[0] != '+' && text[0] != '-') ? 0 : 1;
    const bool negative = start == 1 && text[0] == '-';
    if (start >= text.size() || !(IsDigit(text[start]) || text[start] == '.')) return 0.0;
    double value = 0;
    const auto result = std::from_chars(text.data() + start, text.data() + text.size(), value);
    if (result.ec == std::errc::invalid_argument) return 0.0;
    if (result.ec == std::errc()) return negative ? -value : value;

    // Out of range: the power of ten tells an overflow from an underflow.
    const Decimal d = ScanDecimal(text);
    const double zeroOrInfinity = d.exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -zeroOrInfinity : zeroOrInfinity;
}

}  // namespace nuklorama
