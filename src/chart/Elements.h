// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace nuklorama {

// One element as people write it: its symbol and its English and Chinese names.
struct Element {
    std::string_view symbol, english, chinese;
};

inline constexpr std::int32_t kLastElement = 118;

// The neutron for 0, hydrogen to oganesson for 1 to 118, nothing beyond.
std::optional<Element> ElementOf(std::int32_t Z);

}  // namespace nuklorama
