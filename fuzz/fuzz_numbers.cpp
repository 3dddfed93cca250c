// SPDX-License-Identifier: GPL-3.0-or-later
// Both numeric conversions against slow, independent readings of the same text.
#include <locale.h>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <regex>
#include <string>

#include "base/RunTimeError.h"
#include "table/NumberText.h"

using namespace nuklorama;

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

double CStrtod(const std::string& text) {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(text.c_str(), nullptr, c);
}

void CheckToInt32(const std::string& text) {
    static const std::regex number(
        R"(^[ \t]*([+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)[ \t]*$)");
    std::smatch m;
    const bool isNumber = text.find('\0') == std::string::npos && std::regex_match(text, m, number);
    try {
        const std::int32_t value = ToInt32(text);
        Require(isNumber);
        const double approx = CStrtod(m[1]);
        Require(std::fabs(approx - value) <= 0.5 + 1e-9 * std::fabs(approx));
    } catch (const RunTimeError& e) {
        if (e.Kind() == ErrorKind::TypeMismatch) {
            Require(!isNumber);
        } else {
            Require(isNumber && e.Kind() == ErrorKind::Overflow);
            Require(std::fabs(CStrtod(m[1])) >= 2147483647.0);
        }
    }
}

void CheckLeadingNumber(const std::string& text) {
    std::string compact;
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '\n') compact.push_back(c);
    // The longest prefix of the form the reading takes, found by trying every length.
    static const std::regex number(R"([+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)");
    std::string longest;
    for (std::size_t n = std::min<std::size_t>(compact.size(), 400); n > 0; --n) {
        const std::string prefix = compact.substr(0, n);
        if (std::regex_match(prefix, number)) {
            longest = prefix;
            break;
        }
    }
    if (compact.size() > 400) return;  // the slow search above stops there
    const double expected = longest.empty() ? 0.0 : CStrtod(longest);
    const double value = LeadingNumber(text);
    Require(value == expected || (std::isnan(value) && std::isnan(expected)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckToInt32(text);
    CheckLeadingNumber(text);
    return 0;
}
