// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QRectF>

#include "chart/DrawnChart.h"
#include "chart/Viewport.h"

namespace nuklorama {

// What the chart area shows: the drawn chart through a window, and when zoomed the labels its
// cells are large enough for at the screen's device pixel ratio.
struct ShownView {
    Viewport window;
    bool zoomed = false;
    double ratio = 1;
};

// The view redrawn as a figure, its legend and axis numbers around it, fitted to the page and
// centred on it: every cell and band a filled rectangle, every word text, at whatever resolution
// the painter's device has.
void PaintViewOnPage(QPainter& painter, const QRectF& page, const DrawnChart& drawn,
                     const ShownView& view);

}  // namespace nuklorama
