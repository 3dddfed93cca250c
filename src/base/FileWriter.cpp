// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/FileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstring>
#include <random>

namespace nuklorama {
namespace {

// As many links in a row as the kernel itself follows.
constexpr int kMaxLinks = 40;
// Room for the temporary name's prefix and suffix within a file name's 255 bytes.
constexpr std::size_t kMaxBaseInTemporaryName = 200;

WriteFailure SystemFailure(int error) {
    return {std::strerror(error)};
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Follows path through any symbolic links to the file a write would land in; exists says
// whether that file is there, and stat what it is.
WriteFailure FollowLinks(std::string& path, struct stat& status, bool& exists) {
    for (int links = 0; links <= kMaxLinks; ++links) {
        if (lstat(path.c_str(), &status) != 0) {
            if (errno != ENOENT) return SystemFailure(errno);
            exists = false;
            return {};
        }
        if (!S_ISLNK(status.st_mode)) {
            exists = true;
            return {};
        }
        std::array<char, PATH_MAX> target;
        const ssize_t length = readlink(path.c_str(), target.data(), target.size());
        if (length < 0) return SystemFailure(errno);
        if (std::size_t(length) == target.size()) return SystemFailure(ENAMETOOLONG);
        const std::string link(target.data(), std::size_t(length));
        path = link.starts_with('/') ? link : FolderOf(path) + link;
    }
    return SystemFailure(ELOOP);
}

// Only a regular file may be replaced: anything else is a device, a pipe or a folder that
// someone meant to keep.
WriteFailure RefuseUnlessRegular(const struct stat& status) {
    const mode_t type = status.st_mode & S_IFMT;
    if (type == S_IFREG) return {};
    if (type == S_IFDIR) return {std::strerror(EISDIR), true};
    const char* what = type == S_IFIFO ? "a FIFO" : type == S_IFSOCK ? "a socket" : "a device";
    return {std::string("is ") + what + ", not a regular file", true};
}

// A new, empty file beside the target that nobody else has opened.
int CreateTemporary(const std::string& target, std::string& name) {
    static std::mt19937_64 random{std::random_device{}()};
    const std::string folder = FolderOf(target);
    const std::string base = target.substr(folder.size(), kMaxBaseInTemporaryName);
    for (;;) {
        name = folder + "." + base + "." + std::to_string(random() % 1'000'000'000) + ".tmp";
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
}

WriteFailure WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = write(fd, data.data(), std::min<std::size_t>(data.size(), 1 << 30));
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return SystemFailure(errno);
        if (written == 0) return SystemFailure(EIO);
        data.remove_prefix(std::size_t(written));
    }
    return {};
}

// Writes, flushes to the disk and closes fd; closes it also when a step fails.
WriteFailure FillAndClose(int fd, std::string_view data, const struct stat* keepModeOf) {
    WriteFailure failure;
    if (keepModeOf && fchmod(fd, keepModeOf->st_mode & 07777) != 0) failure = SystemFailure(errno);
    if (!failure) failure = WriteAll(fd, data);
    if (!failure && fsync(fd) != 0) failure = SystemFailure(errno);
    if (close(fd) != 0 && !failure && errno != EINTR) failure = SystemFailure(errno);
    return failure;
}

// The rename is only durable once the folder's entry is on the disk too. Some file systems
// cannot sync a folder; the file is complete and in place all the same.
void SyncFolder(const std::string& target) {
    const std::string folder = FolderOf(target);
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

WriteFailure WriteFileAtomically(const std::string& path, std::string_view data) {
    std::string target = path;
    struct stat status {};
    bool exists = false;
    if (WriteFailure failure = FollowLinks(target, status, exists)) return failure;
    if (exists) {
        if (WriteFailure failure = RefuseUnlessRegular(status)) return failure;
        // Renaming over a write-protected file would get round its protection.
        if (access(target.c_str(), W_OK) != 0) return SystemFailure(errno);
    }

    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0) return SystemFailure(errno);
    WriteFailure failure = FillAndClose(fd, data, exists ? &status : nullptr);
    if (!failure && rename(temporary.c_str(), target.c_str()) != 0) failure = SystemFailure(errno);
    if (failure) {
        unlink(temporary.c_str());
        return failure;
    }
    SyncFolder(target);
    return {};
}

WriteFailure WriteToStandardOutput(std::string_view data) {
    return WriteAll(STDOUT_FILENO, data);
}

}  // namespace nuklorama
