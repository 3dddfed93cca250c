// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuklorama {

// Fields 7 on of one record: decay entries, spin and parity, excited states, then the half-life
// as the evaluation gives it, its marks on the order of states, the mass excess and its
// uncertainty in keV, and the discovery year. Any of them may be empty (a table of an earlier
// import stops after the excited states); none of them is checked here.
struct ExtraFields {
    std::string_view decay, spin, isomers, halfLife, order, massExcess, massUncertainty, discovery;
};
inline constexpr int kExtraFieldCount = 8;

// A quantity in keV with its uncertainty, estimated when the evaluation has it from systematics.
struct Measured {
    double value = 0, uncertainty = 0;
    bool estimated = false;
};
// The mass excess of a record; nothing where either field is missing or malformed.
std::optional<Measured> MassExcess(const ExtraFields& fields);

// One excited state of the isomers field as written,
// letter:energy:half-life:decay:spin:order:discovery; a table of an earlier import stops after
// the decay entries.
struct StateFields {
    std::string_view letter, energy, halfLife, decay, spin, order, discovery;
};
std::vector<StateFields> ExcitedStates(std::string_view isomers);

// What the table holds beyond the loaded fields, kept beside the four loaded tables and never
// touching them: only records whose line went through the load without a failure have any.
class ExtraFieldTable {
public:
    // A field this long is no NUBASE entry: it is left out rather than shown.
    static constexpr std::size_t kMaxLength = 4096;

    void Clear();
    // Keeps the rest of a record's line after field 6, from the comma that ends it.
    void Keep(int record, std::string_view afterField6);
    ExtraFields Of(int record) const;
    // Field 7 alone, as Of gives it: what the decay-mode view reads of every record.
    std::string_view Decay(int record) const;
    // Whether any record's line went on past field 6.
    bool Any() const { return kept_ > 0; }

private:
    struct Tail {
        std::uint32_t begin = 0, size = 0;
        bool kept = false;
        bool cut = false;  // the line went on beyond what is kept
    };
    // Every record's fields 7 on in one buffer, which keeps its room from load to load.
    std::string text_;
    std::vector<Tail> tails_;
    int kept_ = 0;
};

}  // namespace nuklorama
