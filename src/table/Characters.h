// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The characters number texts and NUBASE columns are made of: plain ASCII, whatever the locale.
namespace nuklorama {

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

constexpr std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

}  // namespace nuklorama
