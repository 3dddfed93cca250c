// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace nuklorama::cli {

// nuklorama-cli export TABLE OUT
int ExportCommand(const QStringList& arguments);

}  // namespace nuklorama::cli
