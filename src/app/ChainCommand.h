// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace nuklorama::cli {

// nuklorama-cli chain NUCLIDE TABLE [--format text|csv|json] [--min-branch P] [--time T]
int ChainCommand(const QStringList& arguments);

}  // namespace nuklorama::cli
