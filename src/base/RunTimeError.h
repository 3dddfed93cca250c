// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace nuklorama {

// The failure kinds an operation can raise, named as users of classic desktop tools know them.
enum class ErrorKind {
    Overflow,
    OutOfMemory,
    SubscriptOutOfRange,
    DivisionByZero,
    TypeMismatch,
    BadFileNameOrNumber,
    FileNotFound,
    DeviceIOError,
    InputPastEndOfFile,
    PermissionDenied,
    PathFileAccessError,
};

const char* ErrorKindText(ErrorKind kind);

class RunTimeError : public std::runtime_error {
public:
    explicit RunTimeError(ErrorKind kind, std::string detail = {});

    ErrorKind Kind() const { return kind_; }
    // What the failure concerned (a field, a record), without the kind; may be empty.
    const std::string& Detail() const { return detail_; }

private:
    ErrorKind kind_;
    std::string detail_;
};

}  // namespace nuklorama
