// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QRectF>

#include "chart/Frame.h"

namespace nuklorama {

// The frame redrawn as a figure, its legend and axis numbers around it, fitted to the page and
// centred on it: every cell and band a filled rectangle, every word text, at whatever resolution
// the painter's device has. Labels, when the frame has them, as large as the paper lets them
// read.
void PaintFrameOnPage(QPainter& painter, const QRectF& page, Frame frame);

}  // namespace nuklorama
