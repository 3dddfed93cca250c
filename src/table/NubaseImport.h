// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace nuklorama {

class NubaseError : public std::runtime_error {
public:
    // Line 0 is the file as a whole.
    NubaseError(long long line, const std::string& what)
        : std::runtime_error(line > 0 ? "line " + std::to_string(line) + ": " + what : what),
          line_(line) {}
    long long Line() const { return line_; }

private:
    long long line_;
};

struct NubaseTable {
    std::string csv;
    int groundStates = 0, excitedStates = 0;
    // Excited states the evaluation lists only to say that they do not exist, left out.
    int nonExistentStates = 0;
};

// Turns a NUBASE evaluation in its fixed-width ASCII form into a nuklorama table: one record
// per ground state, half-lives in the unit words the chart knows, CR LF line ends. Raises
// NubaseError for the first line that does not follow the format or repeats a ground state,
// and for a file without a single ground state, which would give an empty table.
NubaseTable ImportNubase(std::string_view nubase);

}  // namespace nuklorama
