// SPDX-License-Identifier: GPL-3.0-or-later
// The whole press of Draw on arbitrary table bytes, answered by prompts taken from the input.
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "CheckingSurface.h"
#include "FuzzInput.h"
#include "chart/DrawCommand.h"

using namespace nuklorama;

namespace {

class ScriptFromInput : public UserInterface {
public:
    explicit ScriptFromInput(std::string_view answers) : answers_(answers) {}
    Answer MsgBox(const std::string&, Buttons buttons, Icon) override {
        if (buttons == Buttons::Ok) return Answer::Ok;
        if (++prompts_ > 300 || answers_.empty()) return Answer::Abort;
        const auto pick = static_cast<unsigned char>(answers_[prompts_ % answers_.size()]) % 3;
        return pick == 0 ? Answer::Abort : pick == 1 ? Answer::Retry : Answer::Ignore;
    }
    void SetPointer(Pointer) override {}
    [[noreturn]] void EndProgram(int) override { std::abort(); }  // the file always exists

private:
    std::string_view answers_;
    int prompts_ = 0;
};

void Require(bool condition) {
    if (!condition) std::abort();
}

// What any load must leave, whatever the file and the answers.
void CheckTable(const NuclideTable& t) {
    Require(t.NuclideCount >= 0 && t.MaxZ >= 0 && t.MaxN >= 0);
    Require(t.ProtonNumber[0] == 0 && t.NeutronNumber[0] == 0 && t.HalfLife[0] == 0 &&
            t.HalfLifeUnit[0].empty());
    const int stored = std::min<int>(t.NuclideCount, NuclideTable::kMaxRecords);
    bool zFound = t.MaxZ == 0, nFound = t.MaxN == 0;
    for (int i = 1; i <= stored; ++i) {
        zFound = zFound || t.ProtonNumber[std::size_t(i)] == t.MaxZ;
        nFound = nFound || t.NeutronNumber[std::size_t(i)] == t.MaxN;
    }
    Require(zFound && nFound);
    for (int i = stored + 1; i <= NuclideTable::kMaxRecords; ++i)
        Require(t.ProtonNumber[std::size_t(i)] == 0 && t.HalfLifeUnit[std::size_t(i)].empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = "/tmp/nuklorama-fuzz-" + std::to_string(getpid()) + ".csv";
    static auto state = std::make_unique<ChartState>();
    FuzzInput in(data, size);
    const std::string answers(in.Take<std::array<char, 8>>().data(), 8);
    const int width = 1 + in.Take<std::uint16_t>() % 2048;
    const int height = 1 + in.Take<std::uint16_t>() % 2048;
    const auto overlays = in.Take<std::uint8_t>();
    const std::string_view table = in.Rest();

    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    std::fwrite(table.data(), 1, table.size(), file);
    std::fclose(file);

    *state = ChartState{};
    CheckingSurface surface(width, height, 15);
    ScriptFromInput ui(answers);
    PressDraw(path, *state, surface, ui,
              {bool(overlays & 1), bool(overlays & 2), bool(overlays & 4)});
    CheckTable(state->table);
    return 0;
}
