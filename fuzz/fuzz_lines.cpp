// SPDX-License-Identifier: GPL-3.0-or-later
// Lines as the reader splits them against a plain split of the whole text, however the reads are
// cut and wherever one fails: a failed read is asked again and nothing read before it is lost.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "FuzzInput.h"
#include "base/RunTimeError.h"
#include "table/LineReader.h"

using namespace nuklorama;

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// CR LF, CR and LF each end a line; text after the last line end is a line too.
std::vector<std::string> PlainSplit(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            line += text[i];
            continue;
        }
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        lines.push_back(std::exchange(line, {}));
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    // Each read in turn takes one of these: its low bits say how many bytes it hands out, its top
    // bit that it fails instead (never twice running, so the reading always gets on).
    const auto plan = in.Take<std::array<std::uint8_t, 8>>();
    const std::string_view text = in.Rest();
    std::size_t at = 0, reads = 0;
    bool failed = false;
    LineReader reader([&](char* into, std::size_t room) -> std::size_t {
        const std::uint8_t step = plan[reads++ % plan.size()];
        failed = (step & 0x80) && !failed;
        if (failed) throw RunTimeError(ErrorKind::DeviceIOError);
        const std::size_t n = std::min({room, text.size() - at, std::size_t(1 + step % 16)});
        std::copy_n(text.data() + at, n, into);
        at += n;
        return n;
    });
    std::vector<std::string> lines;
    for (;;) {
        try {
            if (reader.AtEnd()) break;
            std::string line;
            reader.ReadLine(line);
            lines.push_back(std::move(line));
        } catch (const RunTimeError&) {
        }
    }
    Require(lines == PlainSplit(text));
    return 0;
}
