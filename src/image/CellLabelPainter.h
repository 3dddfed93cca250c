// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <map>
#include <memory>
#include <string_view>

#include "chart/CellIndex.h"
#include "chart/CellLabel.h"
#include "chart/Chart.h"
#include "chart/Colour.h"
#include "chart/Viewport.h"
#include "table/NuclideTable.h"

namespace nuklorama {

class GlyphFont;

// Writes each visible nuclide's name, and in larger cells its half-life, into its cell: in black
// or white, whichever stands out more, inside a margin, smaller or elided rather than
// overflowing. Glyphs are rendered once per size and blended straight into the image, so a
// frame full of labels costs little more than the cells.
class CellLabelPainter {
public:
    CellLabelPainter();
    ~CellLabelPainter();

    // image shows the chart through view; the labels follow the cell's size in logical pixels,
    // device pixels over ratio; the text stands out from the
    // cell's colours.
    void Paint(QImage& image, const NuclideTable& table, const CellIndex& cells,
               const CellColouring& colouring, const Viewport& view, double ratio);

private:
    struct Line {
        GlyphFont* font;
        GlyphFont* smaller;
    };
    GlyphFont& FontOfPixels(int pixels);
    int FittingPixels(int pixels, std::u32string_view widest, int width);
    void UseCellSize(int cellSize, double ratio);
    void DrawLine(QImage& image, const Line& line, const QRect& box, std::string_view text,
                  const LabelInk& ink);

    std::map<int, std::unique_ptr<GlyphFont>> fonts_;
    int cellSize_ = 0;
    double ratio_ = 0;
    bool halfLives_ = false;
    int margin_ = 0;
    Line name_{}, halfLife_{};
};

}  // namespace nuklorama
