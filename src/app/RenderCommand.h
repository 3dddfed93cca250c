// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace nuklorama::cli {

// nuklorama-cli render [--size WxH] [--dpi N] [--overlays LIST] [--on-error abort|ignore]
//                      TABLE OUTPUT
int RenderCommand(const QStringList& arguments);

}  // namespace nuklorama::cli
