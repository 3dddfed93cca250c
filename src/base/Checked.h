// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <concepts>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>

#include "base/RunTimeError.h"

// Integer and floating arithmetic that must not wrap or go out of range silently: every
// result outside its type raises an Overflow error instead.
namespace nuklorama::checked {

// Nothing when the result does not fit: for callers that expect it often.
template <std::integral T>
std::optional<T> TryAdd(T a, T b) {
    T r;
    if (__builtin_add_overflow(a, b, &r)) return std::nullopt;
    return r;
}

template <std::integral T>
std::optional<T> TryMul(T a, T b) {
    T r;
    if (__builtin_mul_overflow(a, b, &r)) return std::nullopt;
    return r;
}

template <std::integral T>
T Add(T a, T b) {
    if (const auto r = TryAdd(a, b)) return *r;
    throw RunTimeError(ErrorKind::Overflow);
}

template <std::integral T>
T Div(T a, T b) {
    if (b == 0) throw RunTimeError(ErrorKind::DivisionByZero);
    if (std::is_signed_v<T> && a == std::numeric_limits<T>::min() && b == T(-1))
        throw RunTimeError(ErrorKind::Overflow);
    return a / b;  // truncates towards zero
}

template <std::integral To, std::integral From>
To Narrow(From v) {
    if (!std::in_range<To>(v)) throw RunTimeError(ErrorKind::Overflow);
    return static_cast<To>(v);
}

// Nearest integer, a half to the even neighbour.
template <std::integral To>
To Round(double v) {
    if (std::isnan(v)) throw RunTimeError(ErrorKind::Overflow);
    const double r = std::nearbyint(v);
    if (!(r >= double(std::numeric_limits<To>::min()) &&
          r <= double(std::numeric_limits<To>::max())))
        throw RunTimeError(ErrorKind::Overflow);
    return static_cast<To>(r);
}

inline double Quotient(double a, double b) {
    if (b == 0) throw RunTimeError(ErrorKind::DivisionByZero);
    const double q = a / b;
    if (!std::isfinite(q)) throw RunTimeError(ErrorKind::Overflow);
    return q;
}

}  // namespace nuklorama::checked
