// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "chart/Chart.h"
#include "chart/Colouring.h"
#include "chart/RecordedSurface.h"
#include "chart/Viewport.h"
#include "table/NuclideTable.h"

namespace nuklorama::cli {

// What a PNG or SVG shows besides the chart.
struct PictureOptions {
    bool svg = false;
    bool legend = false;
    bool labels = false;
    Overlays overlays;
    QString title;
    Colouring colouring = Colouring::HalfLife;
};

// A chart as drawn for a PNG or SVG: all of it, or a region's window onto the larger picture.
struct DrawnPicture {
    const NuclideTable& table;
    const RecordedSurface& chart;
    const CellColouring& colouring;
    Viewport view;
};

// The file's bytes: the chart alone, or the figure around it when a legend is asked for, with the
// cells' labels when asked; empty when there is not enough memory for them.
QByteArray PictureBytes(const PictureOptions& options, const DrawnPicture& drawn);

}  // namespace nuklorama::cli
