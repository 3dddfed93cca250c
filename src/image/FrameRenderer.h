// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <optional>
#include <string>

#include "chart/Frame.h"
#include "chart/RecordedSurface.h"
#include "image/ChartFigure.h"
#include "image/LabelGlyphs.h"

namespace nuklorama {

// A recorded chart painted with its top-left pixel at origin, exactly as the raster surface fills
// it; boxes wholly outside the painter's clip are left out.
void PaintChart(QPainter& painter, const RecordedSurface& chart, QPoint origin);

// The selected cell's mark: a ring in the selection colour, and inside it a lighter one where the
// cell is large enough, each ring about two logical pixels wide.
void PaintSelectionMark(QPainter& painter, const Viewport& view, ChartCell cell, double ratio);

// The one renderer: draws a frame, the chart, its labels and its figure, onto a raster image, a
// painter (PDF, print) or SVG, all from the same layout. Needs a QGuiApplication for the fonts
// when the frame has labels or a figure.
class FrameRenderer {
public:
    explicit FrameRenderer(const Frame& frame);

    // Of the whole output: the figure, or the chart's area.
    QSize Size() const { return size_; }
    // Where the chart's cells lie on the output.
    const Viewport& Chart() const { return chart_; }

    // Raster: the output into image, at least Size() large; glyphs keeps the labels' glyphs for
    // the next frame.
    void Draw(QImage& image, LabelGlyphs& glyphs) const;
    // Vector: every cell and band a filled rectangle, every word text, in output coordinates;
    // only what meets the painter's clip when it has one.
    void Paint(QPainter& painter) const;
    // The output as an SVG document.
    std::string Svg() const;
    // The output as PNG: a chart alone in indexed colour, a figure a band at a time, labels in
    // one image; empty when there is not enough memory for it.
    QByteArray Png() const;

private:
    // The chart's boxes as drawn through its area, the area's top-left at the origin.
    RecordedSurface Boxes() const;
    void PaintFigure(QPainter& painter, const QRect& clip) const;
    void PaintLabels(QPainter& painter) const;
    std::string SvgLabels() const;
    // The chain over the chart's area, when the frame has one.
    void PaintChainOver(QPainter& painter) const;
    std::string SvgChainOver() const;

    const Frame frame_;
    std::optional<ChartFigure> figure_;
    Viewport chart_;
    QSize size_;
    int cornerSide_;
};

}  // namespace nuklorama
