#pragma once

#include <string>

#include "table/NuclideTable.h"
#include "table/UserInterface.h"

namespace nuklorama {

// Reads the comma-separated table file fn into table, from record 1 up. A missing file ends
// the program after a message; every failing step asks ui whether to abort, retry or skip it.
void LoadFile(const std::string& fn, NuclideTable& table, UserInterface& ui);

}  // namespace nuklorama
