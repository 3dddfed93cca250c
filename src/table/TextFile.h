#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace nuklorama {

// A table file read line by line as raw bytes. CR LF, a lone CR and a lone LF each end a line;
// the line end is not part of the line. Every failure raises a RunTimeError.
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
    bool BufferEmptyAfterFill();
    void RequireOpen() const;

    int fd_ = -1;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::string next_;
};

// True if path names a regular file (a link to one counts); a missing table is reported
// before any open is tried.
bool IsNormalFile(const std::string& path);

}  // namespace nuklorama
