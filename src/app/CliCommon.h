// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace nuklorama::cli {

enum ExitStatus { kSuccess = 0, kFailed = 1, kUsage = 2, kDrawnWithLoadFailures = 3 };

// One line on standard error, behind the program's name.
void Complain(const QString& message);

// Writes data to path through a temporary file renamed into place, so a failure leaves any
// earlier file untouched. Returns an empty string or what went wrong.
QString WriteAtomically(const QString& path, const QByteArray& data);

}  // namespace nuklorama::cli
