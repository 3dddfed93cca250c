// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/ExtraFields.h"

#include <array>
#include <charconv>
#include <cmath>

#include "table/NuclideTable.h"

namespace nuklorama {
namespace {

// The fields at their longest and the commas between and after them: a field that reaches the
// end of so much text is longer than kMaxLength or follows one that is.
constexpr std::size_t kMaxKept = kExtraFieldCount * (ExtraFieldTable::kMaxLength + 1);

// The first N parts of text between separators; missing ones stay empty.
template <std::size_t N>
std::array<std::string_view, N> Split(std::string_view text, char separator) {
    std::array<std::string_view, N> parts;
    for (std::string_view& part : parts) {
        const std::size_t end = text.find(separator);
        part = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return parts;
}

// A number in keV as the evaluation writes it, '#' after it for systematics.
bool ReadKeV(std::string_view text, double& value, bool& estimated) {
    estimated = !text.empty() && text.back() == '#';
    if (estimated) text.remove_suffix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size() &&
           std::isfinite(value);
}

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
    std::array<std::string_view, kExtraFieldCount> fields;
    for (std::string_view& field : fields) {
        const std::size_t comma = rest.find(',');
        const bool whole = comma != std::string_view::npos || !tail.cut;
        field = rest.substr(0, comma);
        if (!whole || field.size() > kMaxLength) field = {};
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    }
    const auto& [decay, spin, isomers, halfLife, order, mass, uncertainty, discovery] = fields;
    return {decay, spin, isomers, halfLife, order, mass, uncertainty, discovery};
}

std::optional<Measured> MassExcess(const ExtraFields& fields) {
    Measured mass;
    bool uncertaintyEstimated = false;
    if (!ReadKeV(fields.massExcess, mass.value, mass.estimated) ||
        !ReadKeV(fields.massUncertainty, mass.uncertainty, uncertaintyEstimated) ||
        mass.uncertainty < 0)
        return std::nullopt;
    return mass;
}

std::vector<StateFields> ExcitedStates(std::string_view isomers) {
    std::vector<StateFields> states;
    while (!isomers.empty()) {
        const std::size_t bar = isomers.find('|');
        const auto [letter, energy, halfLife, decay, spin, order, discovery] =
            Split<7>(isomers.substr(0, bar), ':');
        states.push_back({letter, energy, halfLife, decay, spin, order, discovery});
        isomers = bar == std::string_view::npos ? std::string_view() : isomers.substr(bar + 1);
    }
    return states;
}

}  // namespace nuklorama
