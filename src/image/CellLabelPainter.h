// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>

#include "chart/CellIndex.h"
#include "table/NuclideTable.h"

namespace nuklorama {

// Writes each visible nuclide's name, and in larger cells its half-life, into its cell: in black
// or white, whichever stands out more, inside a margin and elided rather than overflowing.
class CellLabelPainter {
public:
    // image shows the chart at cellSize device pixels from (offsetX, offsetY); the labels follow
    // the cell's size in logical pixels, device pixels over ratio.
    void Paint(QImage& image, const NuclideTable& table, const CellIndex& cells, int cellSize,
               double ratio, int offsetX, int offsetY);

private:
    void UseCellSize(int cellSize, double ratio);

    int cellSize_ = 0;
    double ratio_ = 0;
    bool halfLives_ = false;
    int margin_ = 0;
    QFont nameFont_, halfLifeFont_;
};

}  // namespace nuklorama
