// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/RunTimeError.h"

namespace nuklorama {

const char* ErrorKindText(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::Overflow:
            return "Overflow";
        case ErrorKind::OutOfMemory:
            return "Out of memory";
        case ErrorKind::SubscriptOutOfRange:
            return "Subscript out of range";
        case ErrorKind::DivisionByZero:
            return "Division by zero";
        case ErrorKind::TypeMismatch:
            return "Type mismatch";
        case ErrorKind::BadFileNameOrNumber:
            return "Bad file name or number";
        case ErrorKind::FileNotFound:
            return "File not found";
        case ErrorKind::DeviceIOError:
            return "Device I/O error";
        case ErrorKind::InputPastEndOfFile:
            return "Input past end of file";
        case ErrorKind::PermissionDenied:
            return "Permission denied";
        case ErrorKind::PathFileAccessError:
            return "Path/File access error";
    }
    return "Unknown error";
}

RunTimeError::RunTimeError(ErrorKind kind, std::string detail)
    : std::runtime_error(ErrorKindText(kind)), kind_(kind), detail_(std::move(detail)) {}

}  // namespace nuklorama
