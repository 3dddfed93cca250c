// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/ExtraFields.h"

#include "table/NuclideTable.h"

namespace nuklorama {

void ExtraFieldTable::Clear() {
    tails_.clear();
    withFields_ = 0;
}

void ExtraFieldTable::Keep(int record, std::string_view line) {
    if (record < 1 || record > NuclideTable::kMaxRecords) return;
    std::size_t start = 0;
    for (int comma = 0; comma < 7; ++comma) {
        start = line.find(',', start);
        if (start == std::string_view::npos) return;
        ++start;
    }
    const auto r = static_cast<std::size_t>(record);
    if (tails_.size() <= r) tails_.resize(r + 1);
    std::string& tail = tails_[r];
    tail.clear();
    std::string_view rest = line.substr(start);
    for (int field = 7; field <= 9; ++field) {
        const std::size_t comma = rest.find(',');
        const std::string_view text = rest.substr(0, comma);
        if (field > 7) tail.push_back(',');
        if (text.size() <= kMaxLength) tail.append(text);
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    ++withFields_;
}

ExtraFields ExtraFieldTable::Of(int record) const {
    if (record < 1 || std::size_t(record) >= tails_.size()) return {};
    std::string_view rest = tails_[std::size_t(record)];
    std::string_view fields[3];
    for (std::string_view& field : fields) {
        const std::size_t comma = rest.find(',');
        field = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    }
    return {fields[0], fields[1], fields[2]};
}

}  // namespace nuklorama
