// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "base/UserInterface.h"
#include "table/ExtraFields.h"
#include "table/NuclideTable.h"

namespace nuklorama {

// Reads the comma-separated table file fn into table, from record 1 up. A missing file ends
// the program after a message; every failing step asks ui whether to abort, retry or skip it.
// With extras, the fields after 6 of each record whose line met no failure are kept there.
void LoadFile(const std::string& fn, NuclideTable& table, UserInterface& ui,
              ExtraFieldTable* extras = nullptr);

// The load without the existence test, from the open on: the file may still vanish or change
// between that test and the open, and this is where such a file is handled.
void RunLoadSteps(const std::string& fn, NuclideTable& table, UserInterface& ui,
                  ExtraFieldTable* extras = nullptr);

}  // namespace nuklorama
