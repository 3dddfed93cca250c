// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "chart/Chart.h"
#include "chart/Colouring.h"
#include "chart/Region.h"
#include "image/Poster.h"

namespace nuklorama::cli {

// Large enough for a poster, small enough that a figure's image always fits in memory.
inline constexpr int kMaxSide = 16384;

// What render is asked to draw, and where.
struct RenderOptions {
    int width = 1200, height = 800, dpi = 96;
    Overlays overlays;
    bool ignoreRecordFailures = false;
    QString table, output;
    QString format;
    bool legend = false;
    QString title;
    bool labels = false;
    std::optional<Region> region;
    Poster::Page page{QPageSize(QPageSize::A4), std::nullopt};
    Colouring colouring = Colouring::HalfLife;
    // A nuclide whose decay chain is drawn over the chart; none when empty.
    QString chain;
};

// render's arguments read, or nothing with what is wrong in error; ends the program after the
// help when --help is asked for.
std::optional<RenderOptions> ParseRenderOptions(const QStringList& arguments, QString& error);

// Whether these command-line arguments ask for a figure with text, and so for fonts.
bool NeedsFonts(int argc, char* argv[]);

}  // namespace nuklorama::cli
