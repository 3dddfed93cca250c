// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace nuklorama::cli {

// nuklorama-cli render [--size WxH] [--dpi N] [--overlays LIST] [--on-error abort|ignore]
//                      [--legend] [--title TEXT] TABLE OUTPUT
// With --legend or --title it needs a QGuiApplication, for the fonts.
int RenderCommand(const QStringList& arguments);

}  // namespace nuklorama::cli
