// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes either fail to import with a line number (0 for a file without a ground state), or
// give a table that loads cleanly.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

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
    std::size_t lines = 0;
    for (const char c : csv)
        lines += c == '\n';
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
