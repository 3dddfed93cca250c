// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace nuklorama::cli {

enum ExitStatus { kSuccess = 0, kFailed = 1, kUsage = 2, kDrawnWithLoadFailures = 3 };

// One line on standard error, behind the program's name.
void Complain(const QString& message);

}  // namespace nuklorama::cli
