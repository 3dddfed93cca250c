// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "table/LineReader.h"

namespace nuklorama {

// A table file read line by line as raw bytes (see LineReader for the line ends). Every failure
// raises a RunTimeError.
class TextFile {
public:
    TextFile() = default;
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    ~TextFile();

    // Only regular files open; anything else could block or never end.
    void Open(const std::string& path);
    bool AtEnd();
    // Replaces line only when a whole line was read.
    void ReadLine(std::string& line);
    // Closing a file that is not open does nothing.
    void Close();

private:
    LineReader& Reader();

    int fd_ = -1;
    std::optional<LineReader> reader_;
};

// True if path names a regular file (a link to one counts); a missing table is reported
// before any open is tried.
bool IsRegularFile(const std::string& path);

}  // namespace nuklorama
