// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <optional>
#include <unordered_map>

#include "image/LabelLayout.h"

namespace nuklorama {

// The raster canvas of labels: writes the layout's lines into an image by blending glyphs
// rendered once per font and character, so that a frame full of labels costs little more than
// its cells. Keeps the layout of the last plan, for the next frame at the same cell size.
class LabelGlyphs {
public:
    // The labels of the cells the view shows, clipped to its area.
    void Paint(QImage& image, const LabelPlan& plan, const NuclideTable& table,
               const CellIndex& cells, const CellColouring& colouring, const Viewport& view,
               const LabelLayout::SecondLine& second = {});

private:
    struct Glyph {
        QImage mask;    // coverage, 0 to 255
        QPoint corner;  // of the mask, from the pen on the baseline
    };
    const Glyph& Of(const LabelFont& font, QChar c);
    void Write(QImage& image, const PlacedText& text, const QRect& clip);

    std::optional<LabelLayout> layout_;
    // By pixel size and character.
    std::unordered_map<quint64, Glyph> glyphs_;
};

}  // namespace nuklorama
