#include "table/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "table/RunTimeError.h"

namespace nuklorama {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

ErrorKind OpenErrorKind(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return ErrorKind::FileNotFound;
        case EACCES:
        case EPERM:
            return ErrorKind::PermissionDenied;
        case ENOMEM:
            return ErrorKind::OutOfMemory;
        default:
            return ErrorKind::PathFileAccessError;
    }
}

}  // namespace

bool IsNormalFile(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

TextFile::~TextFile() {
    if (fd_ >= 0) ::close(fd_);
}

void TextFile::Open(const std::string& path) {
    if (fd_ >= 0) throw RunTimeError(ErrorKind::PathFileAccessError, "already open");
    // Non-blocking, so a FIFO swapped in after the existence test cannot hang the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) throw RunTimeError(OpenErrorKind(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw RunTimeError(ErrorKind::PathFileAccessError, "not a regular file");
    }
    buffer_.resize(kBufferSize);
    begin_ = end_ = 0;
    fd_ = fd;
}

void TextFile::RequireOpen() const {
    if (fd_ < 0) throw RunTimeError(ErrorKind::BadFileNameOrNumber, "the file is not open");
}

bool TextFile::BufferEmptyAfterFill() {
    if (begin_ < end_) return false;
    for (;;) {
        const ssize_t got = ::read(fd_, buffer_.data(), buffer_.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw RunTimeError(ErrorKind::DeviceIOError, std::strerror(errno));
        begin_ = 0;
        end_ = static_cast<std::size_t>(got);
        return got == 0;
    }
}

bool TextFile::AtEnd() {
    RequireOpen();
    return BufferEmptyAfterFill();
}

void TextFile::ReadLine(std::string& line) {
    RequireOpen();
    if (BufferEmptyAfterFill()) throw RunTimeError(ErrorKind::InputPastEndOfFile);
    next_.clear();
    for (;;) {
        const char* data = buffer_.data();
        std::size_t stop = begin_;
        while (stop < end_ && data[stop] != '\n' && data[stop] != '\r')
            ++stop;
        next_.append(data + begin_, stop - begin_);
        if (stop < end_) {
            const bool carriageReturn = data[stop] == '\r';
            begin_ = stop + 1;
            if (carriageReturn && !BufferEmptyAfterFill() && buffer_[begin_] == '\n') ++begin_;
            break;
        }
        begin_ = end_;
        if (BufferEmptyAfterFill()) break;  // the last line has no line end
    }
    line.swap(next_);
}

void TextFile::Close() {
    if (fd_ < 0) return;
    const int fd = fd_;
    fd_ = -1;
    begin_ = end_ = 0;
    if (::close(fd) != 0 && errno != EINTR) throw RunTimeError(ErrorKind::DeviceIOError);
}

}  // namespace nuklorama
