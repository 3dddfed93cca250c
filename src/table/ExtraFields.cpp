// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/ExtraFields.h"

#include "table/NuclideTable.h"

namespace nuklorama {
namespace {

// Three fields at their longest and the commas between and after them: a field that reaches
// the end of so much text is longer than kMaxLength or follows one that is.
constexpr std::size_t kMaxKept = 3 * (ExtraFieldTable::kMaxLength + 1);

}  // namespace

void ExtraFieldTable::Clear() {
    text_.clear();
    tails_.clear();
    kept_ = 0;
}

void ExtraFieldTable::Keep(int record, std::string_view afterField6) {
    if (record < 1 || record > NuclideTable::kMaxRecords || afterField6.empty()) return;
    const auto r = static_cast<std::size_t>(record);
    if (tails_.size() <= r) tails_.resize(r + 1);
    const std::string_view rest = afterField6.substr(1, kMaxKept);
    tails_[r] = {std::uint32_t(text_.size()), std::uint32_t(rest.size()), true,
                 afterField6.size() - 1 > kMaxKept};
    text_.append(rest);
    ++kept_;
}

std::string_view ExtraFieldTable::Decay(int record) const {
    if (record < 1 || std::size_t(record) >= tails_.size()) return {};
    const Tail& tail = tails_[std::size_t(record)];
    const std::string_view rest = std::string_view(text_).substr(tail.begin, tail.size);
    const std::size_t comma = rest.find(',');
    if ((comma == std::string_view::npos && tail.cut) || std::min(comma, rest.size()) > kMaxLength)
        return {};
    return rest.substr(0, comma);
}

ExtraFields ExtraFieldTable::Of(int record) const {
    if (record < 1 || std::size_t(record) >= tails_.size() || !tails_[std::size_t(record)].kept)
        return {};
    const Tail& tail = tails_[std::size_t(record)];
    std::string_view rest = std::string_view(text_).substr(tail.begin, tail.size);
    std::string_view fields[3];
    for (std::string_view& field : fields) {
        const std::size_t comma = rest.find(',');
        const bool whole = comma != std::string_view::npos || !tail.cut;
        field = rest.substr(0, comma);
        if (!whole || field.size() > kMaxLength) field = {};
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    }
    return {fields[0], fields[1], fields[2]};
}

}  // namespace nuklorama
