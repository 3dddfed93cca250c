// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace nuklorama {

// Fields 7 to 9 of one record: decay entries, spin and parity, excited states. Any of them may
// be empty; none of them is checked here.
struct ExtraFields {
    std::string_view decay, spin, isomers;
};

// What the table holds beyond the loaded fields, kept beside the four loaded tables and never
// touching them: only records whose line went through the load without a failure have any.
class ExtraFieldTable {
public:
    // A field this long is no NUBASE entry: it is left out rather than kept.
    static constexpr std::size_t kMaxLength = 4096;

    void Clear();
    // Keeps what follows field 6 of the line of record.
    void Keep(int record, std::string_view line);
    ExtraFields Of(int record) const;
    // Whether any record's line went on past field 6.
    bool Any() const { return withFields_ > 0; }

private:
    std::vector<std::string> tails_;
    int withFields_ = 0;
};

}  // namespace nuklorama
