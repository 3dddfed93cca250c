// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace nuklorama {

// Why a write did not put the whole file in place; empty when it did.
struct WriteFailure {
    // The system's own words ("No space left on device"), or what the target is instead of a
    // regular file.
    std::string reason;
    // The target is a folder, device, FIFO or socket and was left alone.
    bool notRegularFile = false;

    explicit operator bool() const { return !reason.empty(); }
};

// The one way the program writes a file: the data goes to a new file beside the target, is
// flushed to the disk and then renamed over it, so the target holds either its old bytes or all
// of the new ones. A symbolic link is followed and its target written; only a regular file or a
// missing one is ever replaced. Nothing is left behind when a step fails.
WriteFailure WriteFileAtomically(const std::string& path, std::string_view data);

// The data on standard output, every byte of it, or why not.
WriteFailure WriteToStandardOutput(std::string_view data);

}  // namespace nuklorama
