// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <string>

#include "chart/DrawnChart.h"
#include "chart/RecordedSurface.h"

namespace nuklorama {

// A recorded chart painted with its top-left pixel at origin, exactly as the raster surface fills
// it; boxes wholly outside the painter's clip are left out.
void PaintChart(QPainter& painter, const RecordedSurface& chart, QPoint origin);

// The drawn chart replayed on a vector surface: the same boxes in the same order, clipped the
// same way, so it matches what the renderer writes for the same table, size and overlays.
std::string SvgOfDrawnChart(const DrawnChart& chart);

}  // namespace nuklorama
