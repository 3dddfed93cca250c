// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/RunTimeError.h"

namespace nuklorama {
namespace {

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

bool IsRegularFile(const std::string& path) {
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
    fd_ = fd;
    reader_.emplace([fd](char* into, std::size_t size) {
        for (;;) {
            const ssize_t got = ::read(fd, into, size);
            if (got >= 0) return static_cast<std::size_t>(got);
            if (errno != EINTR) throw RunTimeError(ErrorKind::DeviceIOError, std::strerror(errno));
        }
    });
}

LineReader& TextFile::Reader() {
    if (fd_ < 0) throw RunTimeError(ErrorKind::BadFileNameOrNumber, "the file is not open");
    return *reader_;
}

bool TextFile::AtEnd() {
    return Reader().AtEnd();
}

void TextFile::ReadLine(std::string& line) {
    Reader().ReadLine(line);
}

void TextFile::Close() {
    if (fd_ < 0) return;
    const int fd = fd_;
    fd_ = -1;
    reader_.reset();
    if (::close(fd) != 0 && errno != EINTR) throw RunTimeError(ErrorKind::DeviceIOError);
}

}  // namespace nuklorama
