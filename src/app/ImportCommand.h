// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace nuklorama::cli {

// nuklorama-cli import-nubase NUBASE_FILE OUT.csv
int ImportCommand(const QStringList& arguments);

}  // namespace nuklorama::cli
