// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <string>

#include "chart/ChainOverlay.h"

namespace nuklorama {

// A decay chain's outlines and arrows in black on a white edge, which stands out on every colour
// of the chart; estimated branches dashed.
void PaintChain(QPainter& painter, const ChainShapes& shapes);
// The same as SVG elements.
std::string SvgChain(const ChainShapes& shapes);

}  // namespace nuklorama
