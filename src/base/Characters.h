// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
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

// A byte as \xNN, for showing text that holds bytes a reader cannot see.
inline void AppendEscaped(std::string& out, unsigned char c) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += "\\x";
    out += kHex[c >> 4];
    out += kHex[c & 15];
}

// Text from a file made safe for a terminal: control characters (C0, DEL and, in UTF-8, C1) are
// written as \xNN; everything else passes unchanged.
inline std::string EscapeControls(std::string_view text) {
    std::string out;
    const auto escape = [&out](unsigned char c) { AppendEscaped(out, c); };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (c < 0x20 || c == 0x7F) {
            escape(c);
        } else if (c == 0xC2 && next >= 0x80 && next <= 0x9F) {
            escape(c);
            escape(next);
            ++i;
        } else {
            out += char(c);
        }
    }
    return out;
}

}  // namespace nuklorama
