// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CliCommon.h"

#include <cstdio>

namespace nuklorama::cli {

void Complain(const QString& message) {
    std::fprintf(stderr, "nuklorama-cli: %s\n", message.toLocal8Bit().constData());
}

}  // namespace nuklorama::cli
