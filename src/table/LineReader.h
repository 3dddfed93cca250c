// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace nuklorama {

// Splits a stream of raw bytes into lines, for the table loader and the NUBASE import alike.
// CR LF, a lone CR and a lone LF each end a line; the line end is not part of the line. A line
// may be longer than the buffer, and a CR LF may straddle two reads.
class LineReader {
public:
    static constexpr std::size_t kBufferSize = 64 * 1024;
    // Fills up to size bytes and returns how many; 0 at the end. May throw; a read that failed
    // is simply asked again, so nothing read before the failure is lost.
    using Source = std::function<std::size_t(char* into, std::size_t size)>;

    explicit LineReader(Source source) : source_(std::move(source)), buffer_(kBufferSize) {}

    // True when no byte is left, not even the rest of a line whose read failed part-way.
    bool AtEnd();
    // Raises InputPastEndOfFile at the end. A read that fails part-way keeps what it has read,
    // so the retry returns the whole line.
    void ReadLine(std::string& line);

private:
    bool NextByteReady();
    bool Fill();

    Source source_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::string partial_;
    bool inLine_ = false;
    // The last line ended in CR: a LF that comes next belongs to that line end.
    bool skipLineFeed_ = false;
};

}  // namespace nuklorama
