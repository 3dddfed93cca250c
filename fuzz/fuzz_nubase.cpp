// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes either fail to import with a line number (0 for a file without a ground state), or
// give a table whose lines all have the header's fields, whose decay entries all read, and which
// loads cleanly.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "chart/DecayModes.h"
#include "table/LoadFile.h"
#include "table/NubaseImport.h"

using namespace nuklorama;

namespace {

class NoPromptExpected : public UserInterface {
public:
    Answer MsgBox(const std::string&, Buttons, Icon) override { std::abort(); }
    void SetPointer(Pointer) override {}
    [[noreturn]] void EndProgram(int) override { std::abort(); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = "/tmp/nuklorama-nubase-" + std::to_string(getpid()) + ".csv";
    static auto table = std::make_unique<NuclideTable>();
    std::string csv;
    try {
        csv = ImportNubase({reinterpret_cast<const char*>(data), size}).csv;
    } catch (const NubaseError& e) {
        if (e.Line() < 0) std::abort();
        return 0;
    }
    // Every line has the header's fields, none of them split by a comma from the source, and
    // decay entries that read back one for one.
    std::size_t lines = 0, commas = 0;
    for (std::string_view rest = csv; !rest.empty(); ++lines) {
        const std::string_view line = rest.substr(0, rest.find('\n'));
        rest.remove_prefix(std::min(rest.size(), line.size() + 1));
        const auto count = std::size_t(std::count(line.begin(), line.end(), ','));
        if (lines == 0) commas = count;
        if (count != commas) std::abort();
        std::string_view decay = line;
        for (int field = 0; field < 7; ++field)
            decay.remove_prefix(decay.find(',') + 1);
        decay = decay.substr(0, decay.find(','));
        const auto entries = std::size_t(std::count(decay.begin(), decay.end(), ';')) + 1;
        if (lines > 0 && !decay.empty() && ReadDecayEntries(decay).size() != entries) std::abort();
    }
    if (lines - 1 > std::size_t(NuclideTable::kMaxRecords)) return 0;

    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    std::fwrite(csv.data(), 1, csv.size(), file);
    std::fclose(file);
    NoPromptExpected ui;
    LoadFile(path, *table, ui);
    if (table->NuclideCount != std::int16_t(lines - 1)) std::abort();
    return 0;
}
